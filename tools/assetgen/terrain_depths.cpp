#include "terrain_depths.hpp"

#include <algorithm>
#include <cmath>

namespace {
constexpr float straight = 1.0F;
constexpr float diagonal = 1.4142F;
constexpr float farInside = 1e6F;
} // namespace

TDepthScan::TDepthScan(int width)
    : airStart_(static_cast<std::size_t>(width), 0), lastAir_(static_cast<std::size_t>(width), -1000),
      inAir_(static_cast<std::size_t>(width), 1), depths_(static_cast<std::size_t>(width), 0) {}

const std::vector<int>& TDepthScan::nextRow(const TField& field) {
    const int y = row_++;
    for (int x = 0; x < field.width(); ++x) {
        const auto i = static_cast<std::size_t>(x);
        const bool solid = field.solid(x, y);
        if (!solid && inAir_[i] == 0) {
            airStart_[i] = y;
        }
        if (solid && inAir_[i] != 0) {
            const bool exposed = airStart_[i] == 0 || y - airStart_[i] >= openSkyHeight;
            lastAir_[i] = exposed ? y - 1 : -1000;
        }
        inAir_[i] = solid ? 0 : 1;
        depths_[i] = solid ? y - lastAir_[i] : 0;
    }
    return depths_;
}

TInsideDistances::TInsideDistances(const TField& field, float exact, int bandHeight)
    : field_(field), width_(field.width()), height_(field.height()),
      // A path shorter than `exact` steps down at most one row per step of at least 1.
      lookahead_(static_cast<int>(std::ceil(exact)) + 8), ringRows_(bandHeight + lookahead_ + 1),
      forward_(static_cast<std::size_t>(ringRows_) * static_cast<std::size_t>(width_)) {}

void TInsideDistances::sweepForwardTo(int last) {
    for (int y = forwardDone_; y <= last; ++y) {
        float* row = forwardRow(y);
        const float* above = y > 0 ? forwardRow(y - 1) : nullptr;
        for (int x = 0; x < width_; ++x) {
            // Air stays at 0: no distance is below it.
            if (!field_.solid(x, y)) {
                row[x] = 0.0F;
                continue;
            }
            float v = farInside;
            if (x > 0)
                v = std::min(v, row[x - 1] + straight);
            if (above != nullptr) {
                v = std::min(v, above[x] + straight);
                if (x > 0)
                    v = std::min(v, above[x - 1] + diagonal);
                if (x + 1 < width_)
                    v = std::min(v, above[x + 1] + diagonal);
            }
            row[x] = v;
        }
    }
    forwardDone_ = std::max(forwardDone_, last + 1);
}

const float* TInsideDistances::band(int top, int rows) {
    const int last = std::min(height_ - 1, top + rows - 1 + lookahead_);
    sweepForwardTo(last);
    const int windowRows = last - top + 1;
    const auto w = static_cast<std::size_t>(width_);
    backward_.resize(static_cast<std::size_t>(windowRows) * w);
    for (int y = last; y >= top; --y) {
        float* row = &backward_[static_cast<std::size_t>(y - top) * w];
        const float* below = y < last ? row + w : nullptr;
        const float* forward = forwardRow(y);
        for (int x = width_ - 1; x >= 0; --x) {
            float v = forward[x];
            if (v == 0.0F) {
                row[x] = v;
                continue;
            }
            if (x + 1 < width_)
                v = std::min(v, row[x + 1] + straight);
            if (below != nullptr) {
                v = std::min(v, below[x] + straight);
                if (x + 1 < width_)
                    v = std::min(v, below[x + 1] + diagonal);
                if (x > 0)
                    v = std::min(v, below[x - 1] + diagonal);
            }
            row[x] = v;
        }
    }
    return backward_.data();
}
