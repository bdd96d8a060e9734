#include "weapons.hpp"

#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <algorithm>
#include <cmath>

namespace {
constexpr TColour tube = hexColour(0x6f8f3a);
constexpr TColour rocketRed = hexColour(0xe5484d);
constexpr TColour grenadeGreen = hexColour(0x4f7d3a);
constexpr TColour feather = hexColour(0xf4f8ff);

struct TScaler {
    float s;
    TPoint at(float x, float y) const { return {x * s, y * s}; }
    TBounds box(float x0, float y0, float x1, float y1) const { return {x0 * s, y0 * s, x1 * s, y1 * s}; }
    float len(float d) const { return d * s; }
    float outline() const { return std::max(1.0F, 0.55F * s); }
};

int scaledSize(int size, float s) {
    return static_cast<int>(std::lround(static_cast<float>(size) * s));
}

void drawHand(TImage& image, const TScaler& k, float x, float y) {
    drawToned(image, circle(k.at(x, y), k.len(2.3F)), {palette::skin, k.outline()});
}

void drawGrenadeBody(TImage& image, const TScaler& k, float cx, float cy, float r) {
    drawToned(image, roundedBox(k.box(cx - 1.6F, cy - r - 2.2F, cx + 1.6F, cy - r + 1.0F), k.len(0.6F)),
              {palette::metal, k.outline()});
    drawToned(image, circle(k.at(cx, cy), k.len(r)), {grenadeGreen, k.outline()});
    // The ring of the pin, and the grooves that make it read as a grenade when turned.
    strokeShape(image, circle(k.at(cx + 2.4F, cy - r - 1.6F), k.len(1.3F)), palette::outline, k.len(0.6F));
    const TColour groove = withAlpha(shadeOf(shadeOf(grenadeGreen)), 0.8F);
    fillShape(image, roundedBox(k.box(cx - r + 1.0F, cy - 0.35F, cx + r - 1.0F, cy + 0.35F), 0.0F), groove);
    fillShape(image, roundedBox(k.box(cx - 0.35F, cy - r + 1.0F, cx + 0.35F, cy + r - 1.0F), 0.0F), groove);
}

TImage grenadePicture(float s) {
    const TScaler k{s};
    TImage image(scaledSize(30, s), scaledSize(16, s));
    drawGrenadeBody(image, k, 23.0F, 8.5F, 4.4F);
    drawHand(image, k, 20.5F, 11.5F);
    drawHand(image, k, 9.0F, 10.5F);
    return image;
}

TImage arrowProjectile(float s) {
    const TScaler k{s};
    TImage image(scaledSize(24, s), scaledSize(8, s));
    drawToned(image, capsule(k.at(3.0F, 4.0F), k.at(19.0F, 4.0F), k.len(0.8F)), {palette::wood, k.outline()});
    drawToned(image, polygon({k.at(17.5F, 1.3F), k.at(23.0F, 4.0F), k.at(17.5F, 6.7F)}),
              {palette::metal, k.outline()});
    drawToned(image, polygon({k.at(2.0F, 4.0F), k.at(7.0F, 4.0F), k.at(5.0F, 1.0F), k.at(0.8F, 1.0F)}),
              {rocketRed, k.outline()});
    drawToned(image, polygon({k.at(2.0F, 4.0F), k.at(7.0F, 4.0F), k.at(5.0F, 7.0F), k.at(0.8F, 7.0F)}),
              {feather, k.outline()});
    return image;
}

TImage rocketProjectile(float s) {
    const TScaler k{s};
    TImage image(scaledSize(20, s), scaledSize(11, s));
    drawToned(image, polygon({k.at(1.0F, 1.0F), k.at(6.0F, 4.0F), k.at(6.0F, 7.0F), k.at(1.0F, 10.0F)}),
              {palette::metal, k.outline()});
    drawToned(image, roundedBox(k.box(3.0F, 2.6F, 15.0F, 8.4F), k.len(2.0F)), {tube, k.outline()});
    drawToned(image, polygon({k.at(14.0F, 2.6F), k.at(19.5F, 5.5F), k.at(14.0F, 8.4F)}),
              {rocketRed, k.outline()});
    return image;
}

TImage grenadeProjectile(float s) {
    const TScaler k{s};
    TImage image(scaledSize(12, s), scaledSize(13, s));
    drawGrenadeBody(image, k, 6.0F, 7.8F, 4.2F);
    return image;
}
} // namespace

TImage bazookaPicture(float s) {
    const TScaler k{s};
    TImage image(scaledSize(40, s), scaledSize(16, s));
    // Over the shoulder: half of the tube behind the hands, the mouth in front.
    drawToned(image, roundedBox(k.box(15.5F, 9.0F, 19.5F, 14.5F), k.len(1.0F)), {shadeOf(tube), k.outline()});
    drawToned(image, roundedBox(k.box(2.0F, 4.4F, 37.5F, 11.6F), k.len(3.0F)), {tube, k.outline()});
    drawToned(image, roundedBox(k.box(31.5F, 3.2F, 38.5F, 12.8F), k.len(2.0F)),
              {palette::metal, k.outline()});
    drawToned(image, roundedBox(k.box(1.0F, 3.8F, 6.0F, 12.2F), k.len(1.6F)), {palette::metal, k.outline()});
    drawToned(image, roundedBox(k.box(20.0F, 1.2F, 25.0F, 5.0F), k.len(1.0F)), {palette::metal, k.outline()});
    fillShape(image, roundedBox(k.box(8.0F, 6.0F, 14.0F, 7.0F), 0.0F), withAlpha(rocketRed, 0.9F));
    fillShape(image, circle(k.at(38.0F, 8.0F), k.len(2.2F)), palette::outline);
    drawHand(image, k, 18.0F, 11.0F);
    drawHand(image, k, 25.5F, 10.5F);
    return image;
}

TImage bowPicture(float s) {
    const TScaler k{s};
    TImage image(scaledSize(36, s), scaledSize(36, s));
    // The limbs: a thick arc on the right, the string straight behind it.
    const TShape limbs = subtract(ellipse(k.at(21.0F, 18.0F), k.len(11.0F), k.len(16.0F)),
                                  unite(ellipse(k.at(19.5F, 18.0F), k.len(10.0F), k.len(14.2F)),
                                        roundedBox(k.box(0.0F, 0.0F, 21.5F, 36.0F), 0.0F)));
    drawToned(image, limbs, {palette::wood, k.outline()});
    fillShape(image, capsule(k.at(21.5F, 2.6F), k.at(18.0F, 18.0F), k.len(0.45F)), hexColour(0xf4ead0));
    fillShape(image, capsule(k.at(21.5F, 33.4F), k.at(18.0F, 18.0F), k.len(0.45F)), hexColour(0xf4ead0));
    // The nocked arrow.
    drawToned(image, capsule(k.at(8.0F, 18.0F), k.at(32.0F, 18.0F), k.len(0.9F)),
              {palette::wood, k.outline()});
    drawToned(image, polygon({k.at(31.0F, 15.2F), k.at(35.5F, 18.0F), k.at(31.0F, 20.8F)}),
              {palette::metal, k.outline()});
    drawToned(image, polygon({k.at(8.0F, 18.0F), k.at(12.5F, 18.0F), k.at(10.5F, 14.8F), k.at(6.5F, 14.8F)}),
              {rocketRed, k.outline()});
    drawToned(image, polygon({k.at(8.0F, 18.0F), k.at(12.5F, 18.0F), k.at(10.5F, 21.2F), k.at(6.5F, 21.2F)}),
              {feather, k.outline()});
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
