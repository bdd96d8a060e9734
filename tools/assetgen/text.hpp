// Glyphs from Debian's DejaVu fonts through FreeType, as coverage masks.
#pragma once

#include "image.hpp"
#include "mask.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

inline const char* const monoFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline const char* const boldFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct TGlyph {
    TMask coverage;
    int left = 0;    // from the pen position to the mask's left edge
    int top = 0;     // from the baseline up to the mask's top edge
    int advance = 0; // pen advance in pixels
};

// One font face at one pixel size; owns the FreeType library and face.
class TFontFace {
public:
    TFontFace(const std::string& file, int pixelSize, float widthScale = 1.0F);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    TGlyph glyph(char c) const;
    int ascender() const;
    int descender() const; // positive, below the baseline
    // The whole text on one baseline, in a mask just large enough.
    TMask textMask(const std::string& text) const;

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// A small light caption with a dark shadow, for labels on the contact sheet and loading picture.
void drawCaption(TImage& image, const std::string& text, int x, int y, int pixelSize, const TColour& colour);
int captionWidth(const std::string& text, int pixelSize);

// A chunky title: gradient fill from top to bottom colour, outline and drop shadow.
struct TTitleStyle {
    int pixelSize = 64;
    TColour top;
    TColour bottom;
    float outline = 3.0F;
    int shadowOffset = 4;
};
TImage renderTitle(const std::string& text, const TTitleStyle& style);
