#include "weapons.hpp"

#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <array>
#include <cmath>
#include <utility>

namespace {
constexpr TColour tube = hexColour(0x6f8f3a);
constexpr TColour rocketRed = hexColour(0xe5484d);
constexpr TColour grenadeGreen = hexColour(0x4f7d3a);
constexpr TColour feather = hexColour(0xf4f8ff);

int scaledSize(int size, float s) {
    return static_cast<int>(std::lround(static_cast<float>(size) * s));
}

void drawHand(TImage& image, const TGrid& k, float x, float y) {
    drawToned(image, circle(k.at(x, y), k.len(2.3F)), k.tone(palette::skin));
}

void drawGrenadeBody(TImage& image, const TGrid& k, float cx, float cy, float r) {
    drawToned(image, roundedBox(k.box(cx - 1.6F, cy - r - 2.2F, cx + 1.6F, cy - r + 1.0F), k.len(0.6F)),
              k.tone(palette::metal));
    drawToned(image, circle(k.at(cx, cy), k.len(r)), k.tone(grenadeGreen));
    // The ring of the pin, and the grooves that make it read as a grenade when turned.
    strokeShape(image, circle(k.at(cx + 2.4F, cy - r - 1.6F), k.len(1.3F)), palette::outline, k.len(0.6F));
    const TColour groove = withAlpha(shadeOf(shadeOf(grenadeGreen)), 0.8F);
    fillShape(image, roundedBox(k.box(cx - r + 1.0F, cy - 0.35F, cx + r - 1.0F, cy + 0.35F), 0.0F), groove);
    fillShape(image, roundedBox(k.box(cx - 0.35F, cy - r + 1.0F, cx + 0.35F, cy + r - 1.0F), 0.0F), groove);
}

// Two vanes on the shaft at y, red above and white below: the corners along the shaft first, then back
// along the outer edge.
void drawFletching(TImage& image, const TGrid& k, float y, float height, const std::array<float, 4>& xs) {
    for (const auto& [side, colour] : {std::pair{-1.0F, rocketRed}, std::pair{1.0F, feather}}) {
        const float edge = y + side * height;
        drawToned(image, polygon({k.at(xs[0], y), k.at(xs[1], y), k.at(xs[2], edge), k.at(xs[3], edge)}),
                  k.tone(colour));
    }
}

TImage grenadePicture(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(30, s), scaledSize(16, s));
    drawGrenadeBody(image, k, 23.0F, 8.5F, 4.4F);
    drawHand(image, k, 20.5F, 11.5F);
    drawHand(image, k, 9.0F, 10.5F);
    return image;
}

TImage arrowProjectile(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(24, s), scaledSize(8, s));
    drawToned(image, capsule(k.at(3.0F, 4.0F), k.at(19.0F, 4.0F), k.len(0.8F)), k.tone(palette::wood));
    drawToned(image, polygon({k.at(17.5F, 1.3F), k.at(23.0F, 4.0F), k.at(17.5F, 6.7F)}),
              k.tone(palette::metal));
    drawFletching(image, k, 4.0F, 3.0F, {2.0F, 7.0F, 5.0F, 0.8F});
    return image;
}

TImage rocketProjectile(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(20, s), scaledSize(11, s));
    drawToned(image, polygon({k.at(1.0F, 1.0F), k.at(6.0F, 4.0F), k.at(6.0F, 7.0F), k.at(1.0F, 10.0F)}),
              k.tone(palette::metal));
    drawToned(image, roundedBox(k.box(3.0F, 2.6F, 15.0F, 8.4F), k.len(2.0F)), k.tone(tube));
    drawToned(image, polygon({k.at(14.0F, 2.6F), k.at(19.5F, 5.5F), k.at(14.0F, 8.4F)}), k.tone(rocketRed));
    return image;
}

TImage grenadeProjectile(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(12, s), scaledSize(13, s));
    drawGrenadeBody(image, k, 6.0F, 7.8F, 4.2F);
    return image;
}
} // namespace

TImage bazookaPicture(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(40, s), scaledSize(16, s));
    // Over the shoulder: half of the tube behind the hands, the mouth in front.
    drawToned(image, roundedBox(k.box(15.5F, 9.0F, 19.5F, 14.5F), k.len(1.0F)), k.tone(shadeOf(tube)));
    drawToned(image, roundedBox(k.box(2.0F, 4.4F, 37.5F, 11.6F), k.len(3.0F)), k.tone(tube));
    drawToned(image, roundedBox(k.box(31.5F, 3.2F, 38.5F, 12.8F), k.len(2.0F)), k.tone(palette::metal));
    drawToned(image, roundedBox(k.box(1.0F, 3.8F, 6.0F, 12.2F), k.len(1.6F)), k.tone(palette::metal));
    drawToned(image, roundedBox(k.box(20.0F, 1.2F, 25.0F, 5.0F), k.len(1.0F)), k.tone(palette::metal));
    fillShape(image, roundedBox(k.box(8.0F, 6.0F, 14.0F, 7.0F), 0.0F), withAlpha(rocketRed, 0.9F));
    fillShape(image, circle(k.at(38.0F, 8.0F), k.len(2.2F)), palette::outline);
    drawHand(image, k, 18.0F, 11.0F);
    drawHand(image, k, 25.5F, 10.5F);
    return image;
}

TImage bowPicture(float s) {
    const TGrid k{0.0F, 0.0F, s};
    TImage image(scaledSize(36, s), scaledSize(36, s));
    // The limbs: a thick arc on the right, the string straight behind it.
    const TShape limbs = subtract(ellipse(k.at(21.0F, 18.0F), k.len(11.0F), k.len(16.0F)),
                                  unite(ellipse(k.at(19.5F, 18.0F), k.len(10.0F), k.len(14.2F)),
                                        roundedBox(k.box(0.0F, 0.0F, 21.5F, 36.0F), 0.0F)));
    drawToned(image, limbs, k.tone(palette::wood));
    fillShape(image, capsule(k.at(21.5F, 2.6F), k.at(18.0F, 18.0F), k.len(0.45F)), hexColour(0xf4ead0));
    fillShape(image, capsule(k.at(21.5F, 33.4F), k.at(18.0F, 18.0F), k.len(0.45F)), hexColour(0xf4ead0));
    // The nocked arrow.
    drawToned(image, capsule(k.at(8.0F, 18.0F), k.at(32.0F, 18.0F), k.len(0.9F)), k.tone(palette::wood));
    drawToned(image, polygon({k.at(31.0F, 15.2F), k.at(35.5F, 18.0F), k.at(31.0F, 20.8F)}),
              k.tone(palette::metal));
    drawFletching(image, k, 18.0F, 3.2F, {8.0F, 12.5F, 10.5F, 6.5F});
    drawHand(image, k, 30.5F, 18.2F);
    drawHand(image, k, 18.0F, 18.6F);
    return image;
}

void addWeaponPictures(TPictureSet& set) {
    const std::pair<const char*, TImage> held[] = {
        {"bow", bowPicture(1.0F)}, {"bazooka", bazookaPicture(1.0F)}, {"grenade", grenadePicture(1.0F)}};
    for (const auto& [name, picture] : held) {
        set.push_back({"game-images", dataFile::weapon(name, true), picture, TPngKind::PngAlpha});
        set.push_back({"game-images", dataFile::weapon(name, false), picture.mirrored(), TPngKind::PngAlpha});
    }
    set.push_back({"game-images", dataFile::projectile("bow"), arrowProjectile(1.0F), TPngKind::PngAlpha});
    set.push_back(
        {"game-images", dataFile::projectile("bazooka"), rocketProjectile(1.0F), TPngKind::PngAlpha});
    set.push_back(
        {"game-images", dataFile::projectile("grenade"), grenadeProjectile(1.0F), TPngKind::PngAlpha});
}
