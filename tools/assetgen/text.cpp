#include "text.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

TFontFace::TFontFace(const std::string& file, int pixelSize, float widthScale) {
    if (FT_Init_FreeType(&library_) != 0) {
        throw std::runtime_error("cannot start FreeType");
    }
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open the font " + file);
    }
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
    if (widthScale != 1.0F) {
        FT_Matrix matrix{static_cast<FT_Fixed>(widthScale * 65536.0F), 0, 0, 0x10000};
        FT_Set_Transform(face_, &matrix, nullptr);
    }
}

TFontFace::~TFontFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

TGlyph TFontFace::glyph(char c) const {
    TGlyph result;
    if (FT_Load_Char(face_, static_cast<FT_ULong>(static_cast<unsigned char>(c)), FT_LOAD_RENDER) != 0) {
        return result;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    result.coverage = TMask(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        for (unsigned x = 0; x < bitmap.width; ++x) {
            result.coverage.at(static_cast<int>(x), static_cast<int>(y)) =
                static_cast<float>(bitmap.buffer[y * static_cast<unsigned>(bitmap.pitch) + x]) / 255.0F;
        }
    }
    result.left = slot->bitmap_left;
    result.top = slot->bitmap_top;
    result.advance = static_cast<int>(slot->advance.x >> 6);
    return result;
}

int TFontFace::ascender() const {
    return static_cast<int>(face_->size->metrics.ascender >> 6);
}
int TFontFace::descender() const {
    return static_cast<int>(-(face_->size->metrics.descender >> 6));
}

TMask TFontFace::textMask(const std::string& text) const {
    int width = 0;
    for (const char c : text) {
        width += glyph(c).advance;
    }
    const int baseline = ascender();
    TMask result(std::max(1, width + 2), ascender() + descender());
    int pen = 0;
    for (const char c : text) {
        const TGlyph g = glyph(c);
        for (int y = 0; y < g.coverage.height(); ++y) {
            for (int x = 0; x < g.coverage.width(); ++x) {
                const int tx = pen + g.left + x;
                const int ty = baseline - g.top + y;
                if (tx >= 0 && ty >= 0 && tx < result.width() && ty < result.height()) {
                    result.at(tx, ty) = std::max(result.at(tx, ty), g.coverage.at(x, y));
                }
            }
        }
        pen += g.advance;
    }
    return result;
}

int captionWidth(const std::string& text, int pixelSize) {
    const TFontFace face(monoFontFile, pixelSize);
    return face.textMask(text).width();
}

void drawCaption(TImage& image, const std::string& text, int x, int y, int pixelSize, const TColour& colour) {
    const TFontFace face(monoFontFile, pixelSize);
    const TMask mask = face.textMask(text);
    drawMask(image, mask, x + 1, y + 1, withAlpha(palette::outline, 0.85F));
    drawMask(image, mask, x, y, colour);
}

TImage renderTitle(const std::string& text, const TTitleStyle& style) {
    const TFontFace face(boldFontFile, style.pixelSize);
    const int pad = static_cast<int>(std::ceil(style.outline)) + style.shadowOffset + 2;
    const TMask fill = face.textMask(text).padded(pad, pad, pad, pad);
    const TMask rim = fill.dilated(style.outline);
    TImage result(fill.width(), fill.height());
    drawMask(result, rim, style.shadowOffset, style.shadowOffset, withAlpha(palette::outline, 0.55F));
    drawMask(result, rim, 0, 0, palette::outline);
    const float top = static_cast<float>(pad + face.ascender() / 4);
    const float bottom = static_cast<float>(pad + face.ascender());
    paintMask(result, fill, 0, 0, [&](int, int y) {
        const float t = clamp01((static_cast<float>(y) - top) / (bottom - top));
        // A bright band across the upper third reads as a glossy top edge.
        const TColour c = mix(style.top, style.bottom, t);
        return static_cast<float>(y) < top + (bottom - top) * 0.22F ? highlightOf(c) : c;
    });
    return result;
}
