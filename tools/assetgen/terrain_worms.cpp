#include "terrain_worms.hpp"

#include "noise.hpp"

#include <algorithm>
#include <cmath>

TWorm wanderingWorm(float x, float y, float heading, int steps, float radius, std::uint32_t seed) {
    TWorm worm{{x}, {y}, radius};
    for (int i = 0; i < steps; ++i) {
        heading += (valueNoise1(static_cast<float>(i) * 0.35F, seed) - 0.5F) * 0.9F;
        x += std::cos(heading) * 18.0F;
        y += std::sin(heading) * 18.0F * 0.6F;
        worm.xs.push_back(x);
        worm.ys.push_back(y);
    }
    return worm;
}

TWormTunnels::TWormTunnels(const std::vector<TWorm>& worms, int width, int height)
    : tilesAcross_(((width - 1) >> tileShift) + 1), tilesDown_(((height - 1) >> tileShift) + 1) {
    std::vector<std::vector<TPiece>> tiles(static_cast<std::size_t>(tilesAcross_) *
                                           static_cast<std::size_t>(tilesDown_));
    for (std::size_t w = 0; w < worms.size(); ++w) {
        const TWorm& worm = worms[w];
        radii_.push_back(worm.radius);
        // One pixel more than needed, against rounding.
        const float reach = worm.radius + carveDepth + 5.0F;
        for (std::size_t i = 1; i < worm.xs.size(); ++i) {
            const float ax = worm.xs[i - 1];
            const float ay = worm.ys[i - 1];
            const float vx = worm.xs[i] - ax;
            const float vy = worm.ys[i] - ay;
            const TPiece piece{ax, ay, vx, vy, vx * vx + vy * vy, static_cast<std::int32_t>(w)};
            addPiece(piece, std::min(ax, worm.xs[i]), std::min(ay, worm.ys[i]), std::max(ax, worm.xs[i]),
                     std::max(ay, worm.ys[i]), reach, tiles);
        }
    }
    tileFirst_.push_back(0);
    for (const std::vector<TPiece>& tile : tiles) {
        pieces_.insert(pieces_.end(), tile.begin(), tile.end());
        tileFirst_.push_back(pieces_.size());
    }
}

void TWormTunnels::addPiece(const TPiece& piece, float x0, float y0, float x1, float y1, float reach,
                            std::vector<std::vector<TPiece>>& tiles) const {
    const auto tileOf = [](float at, int tiles) {
        return std::clamp(static_cast<int>(std::floor(at)) >> tileShift, 0, tiles - 1);
    };
    if (x1 + reach < 0.0F || y1 + reach < 0.0F ||
        x0 - reach > static_cast<float>(tilesAcross_ << tileShift) ||
        y0 - reach > static_cast<float>(tilesDown_ << tileShift)) {
        return;
    }
    for (int ty = tileOf(y0 - reach, tilesDown_); ty <= tileOf(y1 + reach, tilesDown_); ++ty) {
        for (int tx = tileOf(x0 - reach, tilesAcross_); tx <= tileOf(x1 + reach, tilesAcross_); ++tx) {
            tiles[static_cast<std::size_t>(ty) * static_cast<std::size_t>(tilesAcross_) +
                  static_cast<std::size_t>(tx)]
                .push_back(piece);
        }
    }
}

float TWormTunnels::carve(float value, int column, int row, float x, float y) const {
    value = std::min(value, carveDepth);
    const std::size_t tile =
        static_cast<std::size_t>(row >> tileShift) * static_cast<std::size_t>(tilesAcross_) +
        static_cast<std::size_t>(column >> tileShift);
    const TPiece* piece = pieces_.data() + tileFirst_[tile];
    const TPiece* const end = pieces_.data() + tileFirst_[tile + 1];
    while (piece != end) {
        // The nearest piece of one worm. The square root is taken once: it keeps the order of what it roots.
        const std::int32_t worm = piece->worm;
        float nearest2 = INFINITY;
        for (; piece != end && piece->worm == worm; ++piece) {
            const float wx = x - piece->ax;
            const float wy = y - piece->ay;
            const float t = piece->length2 > 0.0F
                                ? std::clamp((wx * piece->vx + wy * piece->vy) / piece->length2, 0.0F, 1.0F)
                                : 0.0F;
            const float dx = wx - piece->vx * t;
            const float dy = wy - piece->vy * t;
            nearest2 = std::min(nearest2, dx * dx + dy * dy);
        }
        value = std::min(value, std::sqrt(nearest2) - radii_[static_cast<std::size_t>(worm)]);
    }
    return value;
}
