// A picture being drawn: straight-alpha float pixels, composited "over" like paint. It may also hold only a
// band of rows of a taller picture, so that a large picture can be drawn a band at a time.
#pragma once

#include "colour.hpp"

#include <functional>
#include <vector>

class TImage {
public:
    TImage() = default;
    TImage(int width, int height, TColour fill = palette::transparent);
    // Rows top .. top + height - 1 of a taller picture; pixels are addressed by the taller picture's rows.
    static TImage band(int width, int top, int height);

    int width() const { return width_; }
    // The rows held: top() .. bottom() - 1 (0 .. height() - 1 for a whole picture).
    int height() const { return height_; }
    int top() const { return top_; }
    int bottom() const { return top_ + height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= top_ && x < width_ && y < top_ + height_; }
    TColour& at(int x, int y) { return pixels_[index(x, y)]; }
    const TColour& at(int x, int y) const { return pixels_[index(x, y)]; }

    // Paints colour c over pixel (x, y) with the given coverage; outside pixels are ignored.
    void blend(int x, int y, const TColour& c, float coverage);
    // Composites a whole picture over this one with its top-left at (x, y).
    void draw(const TImage& source, int x, int y, float opacity = 1.0F);

    TImage mirrored() const;
    TImage cropped(int x, int y, int width, int height) const;
    // Smooth resampling to any size, for previews on the contact sheet.
    TImage resized(int width, int height) const;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y - top_) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    int top_ = 0;
    std::vector<TColour> pixels_;
};

TColour over(const TColour& below, const TColour& above);

// Receives a picture a row at a time, from the top: the row's index and its pixels.
using TRowSink = std::function<void(int y, const TColour* row)>;
