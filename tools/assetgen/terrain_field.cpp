#include "terrain_field.hpp"

#include <algorithm>
#include <cmath>

TField::TField(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, -1.0F),
      materials_(static_cast<std::size_t>(width) * height, TMaterial::Ground) {}

void TField::normaliseToDistance() {
    std::vector<float> result(values_.size());
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float v = at(x, y);
            const float gx = (at(std::min(x + 1, width_ - 1), y) - at(std::max(x - 1, 0), y)) * 0.5F;
            const float gy = (at(x, std::min(y + 1, height_ - 1)) - at(x, std::max(y - 1, 0))) * 0.5F;
            const float g = std::sqrt(gx * gx + gy * gy);
            // Far from the edge the exact value does not matter; keep the sign and a large size.
            result[static_cast<std::size_t>(y) * width_ + x] =
                g > 0.05F ? v / g : (v > 0.0F ? 50.0F : -50.0F);
        }
    }
    values_ = std::move(result);
}

int TField::surfaceBelow(int x, int y0) const {
    int y = y0;
    while (y < height_ - 1 && !solid(x, y)) {
        ++y;
    }
    return y;
}
