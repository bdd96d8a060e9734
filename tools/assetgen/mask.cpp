#include "mask.hpp"

#include <algorithm>
#include <cmath>

TMask TMask::dilated(float radius) const {
    TMask result(width_, height_);
    const int r = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float best = 0.0F;
            for (int j = -r; j <= r && best < 1.0F; ++j) {
                for (int i = -r; i <= r; ++i) {
                    const float reach = clamp01(radius + 0.5F - std::sqrt(static_cast<float>(i * i + j * j)));
                    if (reach > best) {
                        best = std::max(best, sample(x + i, y + j) * reach);
                    }
                }
            }
            result.at(x, y) = best;
        }
    }
    return result;
}

TMask TMask::blurred(int radius) const {
    // One box filter along the direction (dx, dy).
    const auto boxPass = [radius](const TMask& source, int dx, int dy) {
        TMask result(source.width(), source.height());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                float sum = 0.0F;
                for (int k = -radius; k <= radius; ++k) {
                    sum += source.sample(x + k * dx, y + k * dy);
                }
                result.at(x, y) = sum / static_cast<float>(2 * radius + 1);
            }
        }
        return result;
    };
    TMask current = *this;
    for (int pass = 0; pass < 2; ++pass) {
        current = boxPass(boxPass(current, 1, 0), 0, 1);
    }
    return current;
}

TMask TMask::padded(int left, int top, int right, int bottom) const {
    TMask result(width_ + left + right, height_ + top + bottom);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.at(x + left, y + top) = at(x, y);
        }
    }
    return result;
}

void drawMask(TImage& image, const TMask& mask, int x, int y, const TColour& colour) {
    paintMask(image, mask, x, y, [&](int, int) { return colour; });
}

void paintMask(TImage& image, const TMask& mask, int x, int y,
               const std::function<TColour(int, int)>& paint) {
    for (int j = 0; j < mask.height(); ++j) {
        for (int i = 0; i < mask.width(); ++i) {
            const float c = mask.at(i, j);
            if (c > 0.0F) {
                image.blend(x + i, y + j, paint(i, j), c);
            }
        }
    }
}
