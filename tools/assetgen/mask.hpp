// A grey coverage grid (0..1): glyph shapes, soft clouds, outlines grown around text.
#pragma once

#include "image.hpp"

#include <functional>
#include <vector>

class TMask {
public:
    TMask() = default;
    TMask(int width, int height)
        : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    float& at(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float at(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float sample(int x, int y) const {
        return x < 0 || y < 0 || x >= width_ || y >= height_ ? 0.0F : at(x, y);
    }

    // Grows the covered area by a disc of the given radius, with soft edges.
    TMask dilated(float radius) const;
    // A box blur applied twice, close to a Gaussian.
    TMask blurred(int radius) const;
    // Places this mask into a larger one at (x, y).
    TMask padded(int left, int top, int right, int bottom) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<float> values_;
};

// Paints the mask into the picture with its top-left at (x, y).
void drawMask(TImage& image, const TMask& mask, int x, int y, const TColour& colour);
void paintMask(TImage& image, const TMask& mask, int x, int y, const std::function<TColour(int, int)>& paint);
