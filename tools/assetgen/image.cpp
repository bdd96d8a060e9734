#include "image.hpp"

#include <cmath>

TImage::TImage(int width, int height, TColour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

TImage TImage::band(int width, int top, int height) {
    TImage image(width, height);
    image.top_ = top;
    return image;
}

TColour over(const TColour& below, const TColour& above) {
    const float a = above.a + below.a * (1.0F - above.a);
    if (a <= 0.0F) {
        return palette::transparent;
    }
    const float kb = below.a * (1.0F - above.a);
    return {(above.r * above.a + below.r * kb) / a, (above.g * above.a + below.g * kb) / a,
            (above.b * above.a + below.b * kb) / a, a};
}

void TImage::blend(int x, int y, const TColour& c, float coverage) {
    if (!contains(x, y) || coverage <= 0.0F) {
        return;
    }
    TColour& p = at(x, y);
    p = over(p, withAlpha(c, c.a * std::min(coverage, 1.0F)));
}

void TImage::draw(const TImage& source, int x, int y, float opacity) {
    for (int j = 0; j < source.height(); ++j) {
        for (int i = 0; i < source.width(); ++i) {
            const TColour& s = source.at(i, j);
            if (s.a > 0.0F) {
                blend(x + i, y + j, s, opacity);
            }
        }
    }
}

TImage TImage::mirrored() const {
    TImage result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.at(width_ - 1 - x, y) = at(x, y);
        }
    }
    return result;
}

TImage TImage::cropped(int x, int y, int width, int height) const {
    TImage result(width, height);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            if (contains(x + i, y + j)) {
                result.at(i, j) = at(x + i, y + j);
            }
        }
    }
    return result;
}

namespace {
// Averages premultiplied colour so that transparent pixels do not darken the edges.
struct TAccumulator {
    float r = 0, g = 0, b = 0, a = 0, count = 0;
    void add(const TColour& c) {
        r += c.r * c.a;
        g += c.g * c.a;
        b += c.b * c.a;
        a += c.a;
        count += 1.0F;
    }
    TColour result() const {
        if (a <= 0.0F || count <= 0.0F) {
            return palette::transparent;
        }
        return {r / a, g / a, b / a, a / count};
    }
};
} // namespace

TImage TImage::resized(int width, int height) const {
    TImage result(width, height);
    const float sx = static_cast<float>(width_) / static_cast<float>(width);
    const float sy = static_cast<float>(height_) / static_cast<float>(height);
    for (int y = 0; y < height; ++y) {
        const int y0 = static_cast<int>(std::floor(y * sy));
        const int y1 = std::max(y0 + 1, static_cast<int>(std::floor((y + 1) * sy)));
        for (int x = 0; x < width; ++x) {
            const int x0 = static_cast<int>(std::floor(x * sx));
            const int x1 = std::max(x0 + 1, static_cast<int>(std::floor((x + 1) * sx)));
            TAccumulator sum;
            for (int j = y0; j < y1 && j < height_; ++j) {
                for (int i = x0; i < x1 && i < width_; ++i) {
                    sum.add(at(i, j));
                }
            }
            result.at(x, y) = sum.result();
        }
    }
    return result;
}
