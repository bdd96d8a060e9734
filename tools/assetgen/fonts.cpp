#include "fonts.hpp"

#include "resources/u_data_files.hpp"
#include "text.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int firstCode = 32;
constexpr int cellCount = 95;
constexpr int fontHeightBig = 32;
constexpr int fontHeightMedium = 21;
constexpr int fontHeightSmall = 16;

struct TFit {
    int pixelSize = 0;
    int baseline = 0;
};

// The largest size whose printable glyphs all fit between one baseline and the cell's last row but one,
// which is left for the shadow.
TFit fitFont(int height) {
    for (int size = height; size > 4; --size) {
        const TFontFace face(monoFontFile, size);
        int above = 0;
        int below = 0;
        for (int code = firstCode + 1; code < firstCode + cellCount; ++code) {
            const TGlyph g = face.glyph(static_cast<char>(code));
            above = std::max(above, g.top);
            below = std::max(below, g.coverage.height() - g.top);
        }
        if (above + below <= height - 1) {
            return {size, above + (height - 1 - above - below) / 2};
        }
    }
    return {height / 2, height / 2};
}

TImage renderFontStrip(int height) {
    const int cell = static_cast<int>(std::trunc(3.0 * height / 4.0));
    const TFit fit = fitFont(height);
    // Monospaced glyphs are narrow for a cell of three quarters of the height: widen them a little.
    const float widthScale = std::clamp(
        0.82F * static_cast<float>(cell) / (0.602F * static_cast<float>(fit.pixelSize)), 1.0F, 1.3F);
    const TFontFace face(monoFontFile, fit.pixelSize, widthScale);
    TImage strip(cell * cellCount, height);
    for (int index = 1; index < cellCount; ++index) {
        const TGlyph g = face.glyph(static_cast<char>(firstCode + index));
        const int x = index * cell + (cell - 1 - g.coverage.width()) / 2;
        const int y = fit.baseline - g.top;
        TImage cellImage(cell, height);
        drawMask(cellImage, g.coverage, x - index * cell + 1, y + 1, withAlpha(palette::outline, 0.9F));
        drawMask(cellImage, g.coverage, x - index * cell, y, palette::glyph);
        strip.draw(cellImage, index * cell, 0);
    }
    return strip;
}
} // namespace

void addFontPictures(TPictureSet& set) {
    const std::array<std::pair<const char*, int>, 3> fonts = {{{dataFile::fontBig, fontHeightBig},
                                                               {dataFile::fontMedium, fontHeightMedium},
                                                               {dataFile::fontSmall, fontHeightSmall}}};
    for (const auto& [name, height] : fonts) {
        set.push_back({"fonts", name, renderFontStrip(height), TPngKind::PngAlpha});
    }
}
