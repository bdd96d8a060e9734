// A picture being drawn: straight-alpha float pixels, composited "over" like paint.
#pragma once

#include "colour.hpp"

#include <vector>

class TImage {
public:
    TImage() = default;
    TImage(int width, int height, TColour fill = palette::transparent);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    TColour& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const TColour& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Paints colour c over pixel (x, y) with the given coverage; outside pixels are ignored.
    void blend(int x, int y, const TColour& c, float coverage);
    // Composites a whole picture over this one with its top-left at (x, y).
    void draw(const TImage& source, int x, int y, float opacity = 1.0F);

    TImage mirrored() const;
    TImage cropped(int x, int y, int width, int height) const;
    // Smooth resampling to any size, for previews on the contact sheet.
    TImage resized(int width, int height) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<TColour> pixels_;
};

TColour over(const TColour& below, const TColour& above);
