#include "terrain_field.hpp"

#include <algorithm>
#include <cmath>

TField::TField(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, -1.0F),
      materials_(static_cast<std::size_t>(width) * height, TMaterial::Ground) {}

void TField::normaliseToDistance() {
    // In place: the rows above and at the one being rescaled are kept as they were, the rows below are not
    // touched yet.
    const auto w = static_cast<std::size_t>(width_);
    std::vector<float> above(w);
    std::vector<float> current(w);
    for (int y = 0; y < height_; ++y) {
        std::copy_n(&at(0, y), w, current.begin());
        const std::vector<float>& up = y > 0 ? above : current;
        for (int x = 0; x < width_; ++x) {
            const float v = current[static_cast<std::size_t>(x)];
            const float gx = (current[static_cast<std::size_t>(std::min(x + 1, width_ - 1))] -
                              current[static_cast<std::size_t>(std::max(x - 1, 0))]) *
                             0.5F;
            const float down = y + 1 < height_ ? at(x, y + 1) : v;
            const float gy = (down - up[static_cast<std::size_t>(x)]) * 0.5F;
            const float g = std::sqrt(gx * gx + gy * gy);
            // Far from the edge the exact value does not matter; keep the sign and a large size.
            at(x, y) = g > 0.05F ? v / g : (v > 0.0F ? 50.0F : -50.0F);
        }
        above.swap(current);
    }
}

int TField::surfaceBelow(int x, int y0) const {
    int y = y0;
    while (y < height_ - 1 && !solid(x, y)) {
        ++y;
    }
    return y;
}
