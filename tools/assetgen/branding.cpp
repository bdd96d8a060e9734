#include "branding.hpp"

#include "backgrounds.hpp"
#include "icons.hpp"
#include "noise.hpp"
#include "raster.hpp"
#include "resources/u_data_files.hpp"
#include "terrain_paint.hpp"
#include "text.hpp"
#include "tumbok.hpp"
#include "weapons.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr TColour logoTop = hexColour(0xffe066);
constexpr TColour logoBottom = hexColour(0xff7a2e);

// The grassy hills of the main menu, painted the same way as a real terrain.
TImage menuHills(int width, int height) {
    TField field(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float fx = static_cast<float>(x);
            const float u = (fx - static_cast<float>(width) * 0.5F) / (static_cast<float>(width) * 0.5F);
            const float top = static_cast<float>(height) * (0.86F - 0.22F * u * u) -
                              30.0F * fractalNoise1(fx / 120.0F, 3, 61U);
            field.at(x, y) = static_cast<float>(y) + 0.5F - top;
        }
    }
    field.normaliseToDistance();
    return paintTerrain(field, {palette::soil, hexColour(0x4a2f22), TSurface::Grass, false, true, 62U});
}

// A large tumbok with a weapon of the same scale centred on its hands, as the game holds it.
void drawArmedTumbok(TImage& image, float x, float y, int step, TImage (*weaponPicture)(float)) {
    constexpr float scale = 2.4F;
    drawTumbok(image, x, y, scale, step);
    const TImage weapon = weaponPicture(scale);
    image.draw(weapon, static_cast<int>(x + 8.0F * scale) - weapon.width() / 2,
               static_cast<int>(y + 16.0F * scale) - weapon.height() / 2);
}

TImage mainMenuBackground() {
    TImage image = skyPicture(TSkyKind::Day, 800, 600, 40U);
    image.draw(menuHills(800, 600), 0, 0);
    // Two teams facing each other on the hills at the sides.
    drawArmedTumbok(image, 48.0F, 316.0F, 0, bazookaPicture);
    TImage right(800, 600);
    drawArmedTumbok(right, 48.0F, 330.0F, 2, bowPicture);
    image.draw(right.mirrored(), 0, 0);
    return image;
}

TImage itemPicture(const std::function<void(TImage&)>& draw) {
    TImage image(128, 128);
    draw(image);
    return image;
}

TImage logoPicture(int pixelSize) {
    return renderTitle("Morvatek", {pixelSize, logoTop, logoBottom, static_cast<float>(pixelSize) / 18.0F,
                                    std::max(2, pixelSize / 18)});
}

TImage loadingPicture() {
    TImage image = skyPicture(TSkyKind::Sunset, 480, 240, 50U);
    const TImage logo = logoPicture(64);
    image.draw(logo, (480 - logo.width()) / 2, 40);
    const int w = captionWidth("Loading...", 20);
    drawCaption(image, "Loading...", (480 - w) / 2, 160, 20, palette::glyph);
    drawTumbok(image, 400.0F, 130.0F, 1.6F, 2);
    // A dark frame, since the picture is shown centred on black.
    const TShape frame = roundedBox({0.0F, 0.0F, 480.0F, 240.0F}, 0.0F);
    strokeShape(image, frame, palette::outline, 3.0F);
    return image;
}

// The window icon at 32 pixels, and the same picture larger for desktop menus.
TImage iconPicture(int size) {
    const float unit = static_cast<float>(size) / 32.0F;
    TImage image(size, size);
    drawTumbokBody(image, unit, unit, 1.85F * unit);
    return image;
}
} // namespace

void addBrandingPictures(TPictureSet& set) {
    set.push_back({"other-images", dataFile::icon, iconPicture(32), TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::iconLarge, iconPicture(256), TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::loading, loadingPicture(), TPngKind::PngOpaque});
    set.push_back({"other-images", dataFile::mainMenuBackground, mainMenuBackground(), TPngKind::PngOpaque});
    set.push_back({"other-images", dataFile::logoSmall, logoPicture(104), TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::itemLocalMatch,
                   itemPicture([](TImage& i) { drawArmedTumbok(i, 40.0F, 4.0F, 0, bazookaPicture); }),
                   TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::itemNetworkMatch,
                   itemPicture([](TImage& i) { drawGlobe(i, 64.0F, 64.0F, 120.0F); }), TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::itemSettings,
                   itemPicture([](TImage& i) { drawGear(i, 64.0F, 64.0F, 118.0F); }), TPngKind::PngAlpha});
    set.push_back({"other-images", dataFile::itemQuit,
                   itemPicture([](TImage& i) { drawDoor(i, 56.0F, 64.0F, 120.0F); }), TPngKind::PngAlpha});
}
