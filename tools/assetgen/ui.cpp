#include "ui.hpp"

#include "icons.hpp"
#include "noise.hpp"
#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr TColour steel = hexColour(0x4a5a8a);
constexpr TColour go = hexColour(0x30a46c);
constexpr TColour stop = hexColour(0xe5484d);
constexpr TColour tile = hexColour(0x2e3560);
constexpr TColour black = hexColour(0x000000);
constexpr int togglePictureSize = 128;

void drawFace(TImage& image, TBounds box, const TColour& colour, float outline) {
    const float radius = std::min(box.x1 - box.x0, box.y1 - box.y0) * 0.28F;
    const TShape face = roundedBox(box, radius);
    fillShape(image, face, palette::outline);
    const TShape inner = grown(face, -outline);
    paintShape(image, inner, [&](TPoint p) {
        const float t = (p.y - box.y0) / (box.y1 - box.y0);
        return mix(highlightOf(colour), shadeOf(colour), t);
    });
    // The lighter top edge: a thin band just inside the outline along the top.
    const float band = std::max(1.0F, (box.y1 - box.y0) * 0.08F);
    paintShape(image, intersect(inner, roundedBox({box.x0, box.y0, box.x1, box.y0 + outline + band}, 0.0F)),
               [&](TPoint) { return withAlpha(palette::white, 0.55F); });
}

// A rounded button face on black (the widgets clear to black): vertical gradient, lighter top edge, outline,
// and the symbol drawn on it.
TImage buttonFace(int width, int height, const TColour& colour, const std::function<void(TImage&)>& symbol) {
    TImage image(width, height, black);
    drawFace(image, {0.5F, 0.5F, static_cast<float>(width) - 0.5F, static_cast<float>(height) - 0.5F}, colour,
             1.0F);
    symbol(image);
    return image;
}

TImage togglePicture(const std::function<void(TImage&, float, float, float)>& icon) {
    const auto s = static_cast<float>(togglePictureSize);
    TImage image(togglePictureSize, togglePictureSize, black);
    drawFace(image, {2.0F, 2.0F, s - 2.0F, s - 2.0F}, tile, 2.0F);
    icon(image, s * 0.5F, s * 0.5F, s * 0.72F);
    return image;
}

// The cross laid over a toggle that is off; its black is keyed out by the widget.
TImage crossPicture() {
    const auto s = static_cast<float>(togglePictureSize);
    TImage image(togglePictureSize, togglePictureSize, black);
    drawCross(image, s * 0.5F, s * 0.5F, s * 0.85F, stop);
    // Keep every visible pixel off pure black, so that only the background is keyed out.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            TColour& c = image.at(x, y);
            if (c.r + c.g + c.b > 0.0F && c.r + c.g + c.b < 0.03F) {
                c = palette::outline;
            }
        }
    }
    return image;
}

TImage escapePanel() {
    TImage image(500, 300);
    const TShape panel = roundedBox({1.0F, 1.0F, 499.0F, 299.0F}, 18.0F);
    fillShape(image, panel, palette::outline);
    paintShape(image, grown(panel, -3.0F), [](TPoint p) {
        return withAlpha(mix(hexColour(0x5a4a8a), hexColour(0x2e2850), p.y / 300.0F), 0.94F);
    });
    strokeShape(image, grown(panel, -5.0F), withAlpha(palette::white, 0.35F), 1.5F);
    strokeShape(image, grown(panel, -17.0F), withAlpha(palette::outline, 0.8F), 2.0F);
    return image;
}

// Calm enough for text: a dusk gradient, a few large soft discs and a low hill line.
TImage optionsBackground() {
    TImage image(800, 600);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            image.at(x, y) = mix(hexColour(0x2b3a6e), hexColour(0x5a4a7e), static_cast<float>(y) / 600.0F);
        }
    }
    TRng rng(77U);
    for (int i = 0; i < 14; ++i) {
        fillShape(image, circle({rng.range(0.0F, 800.0F), rng.range(0.0F, 600.0F)}, rng.range(30.0F, 110.0F)),
                  withAlpha(palette::horizon, rng.range(0.03F, 0.07F)));
    }
    for (int x = 0; x < 800; ++x) {
        const float top = 540.0F - 40.0F * fractalNoise1(static_cast<float>(x) / 160.0F, 3, 8U);
        for (int y = static_cast<int>(top); y < 600; ++y) {
            image.blend(x, y, hexColour(0x231f3f), clamp01(static_cast<float>(y) + 1.0F - top));
        }
    }
    return image;
}
} // namespace

void addUiPictures(TPictureSet& set) {
    const auto opaque = [&set](const char* name, TImage image) {
        set.push_back({"other-images", name, std::move(image), TPngKind::PngOpaque});
    };
    opaque(dataFile::buttonTop,
           buttonFace(40, 20, steel, [](TImage& i) { drawTriangle(i, 20.0F, 10.5F, 14.0F, true); }));
    opaque(dataFile::buttonBottom,
           buttonFace(40, 20, steel, [](TImage& i) { drawTriangle(i, 20.0F, 9.5F, 14.0F, false); }));
    opaque(dataFile::optionsMini,
           buttonFace(22, 22, steel, [](TImage& i) { drawGear(i, 11.0F, 11.0F, 18.0F); }));
    opaque(dataFile::quitMini,
           buttonFace(22, 22, stop, [](TImage& i) { drawBackArrow(i, 11.0F, 11.0F, 16.0F); }));
    opaque(dataFile::buttonOk, buttonFace(44, 44, go, [](TImage& i) { drawCheck(i, 22.0F, 22.0F, 32.0F); }));
    opaque(dataFile::buttonCancel,
           buttonFace(44, 44, stop, [](TImage& i) { drawCross(i, 22.0F, 22.0F, 28.0F, palette::white); }));
    opaque(dataFile::toggleMusic, togglePicture(drawNote));
    opaque(dataFile::toggleSounds, togglePicture(drawSpeaker));
    opaque(dataFile::toggleFullscreen, togglePicture(drawScreenCorners));
    opaque(dataFile::toggleScrolling, togglePicture(drawMouse));
    opaque(dataFile::widgetsCross, crossPicture());
    opaque(dataFile::optionsBackground, optionsBackground());
    set.push_back({"game-images", dataFile::escMenuBackground, escapePanel(), TPngKind::PngAlpha});
}
