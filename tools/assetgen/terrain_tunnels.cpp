#include "terrain_tunnels.hpp"

#include "noise.hpp"

#include <algorithm>
#include <cmath>

TTunnelPath wanderingTunnel(float x, float y, float heading, int steps, float radius, std::uint32_t seed) {
    TTunnelPath tunnel{{x}, {y}, radius};
    for (int i = 0; i < steps; ++i) {
        heading += (valueNoise1(static_cast<float>(i) * 0.35F, seed) - 0.5F) * 0.9F;
        x += std::cos(heading) * 18.0F;
        y += std::sin(heading) * 18.0F * 0.6F;
        tunnel.xs.push_back(x);
        tunnel.ys.push_back(y);
    }
    return tunnel;
}

TTunnelCarver::TTunnelCarver(const std::vector<TTunnelPath>& tunnels, int width, int height)
    : tilesAcross_(((width - 1) >> tileShift) + 1), tilesDown_(((height - 1) >> tileShift) + 1) {
    std::vector<std::vector<TPiece>> tiles(static_cast<std::size_t>(tilesAcross_) *
                                           static_cast<std::size_t>(tilesDown_));
    for (std::size_t w = 0; w < tunnels.size(); ++w) {
        const TTunnelPath& tunnel = tunnels[w];
        radii_.push_back(tunnel.radius);
        // One pixel more than needed, against rounding.
        const float reach = tunnel.radius + carveDepth + 5.0F;
        for (std::size_t i = 1; i < tunnel.xs.size(); ++i) {
            const float ax = tunnel.xs[i - 1];
            const float ay = tunnel.ys[i - 1];
            const float vx = tunnel.xs[i] - ax;
            const float vy = tunnel.ys[i] - ay;
            const TPiece piece{ax, ay, vx, vy, vx * vx + vy * vy, static_cast<std::int32_t>(w)};
            addPiece(piece, std::min(ax, tunnel.xs[i]), std::min(ay, tunnel.ys[i]),
                     std::max(ax, tunnel.xs[i]), std::max(ay, tunnel.ys[i]), reach, tiles);
        }
    }
    tileFirst_.push_back(0);
    for (const std::vector<TPiece>& tile : tiles) {
        pieces_.insert(pieces_.end(), tile.begin(), tile.end());
        tileFirst_.push_back(pieces_.size());
    }
}

void TTunnelCarver::addPiece(const TPiece& piece, float x0, float y0, float x1, float y1, float reach,
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

float TTunnelCarver::carve(float value, int column, int row, float x, float y) const {
    value = std::min(value, carveDepth);
    const std::size_t tile =
        static_cast<std::size_t>(row >> tileShift) * static_cast<std::size_t>(tilesAcross_) +
        static_cast<std::size_t>(column >> tileShift);
    const TPiece* piece = pieces_.data() + tileFirst_[tile];
    const TPiece* const end = pieces_.data() + tileFirst_[tile + 1];
    while (piece != end) {
        // The nearest piece of one tunnel. The square root is taken once: it keeps the order of what it
        // roots.
        const std::int32_t tunnel = piece->tunnel;
        float nearest2 = INFINITY;
        for (; piece != end && piece->tunnel == tunnel; ++piece) {
            const float wx = x - piece->ax;
            const float wy = y - piece->ay;
            const float t = piece->length2 > 0.0F
                                ? std::clamp((wx * piece->vx + wy * piece->vy) / piece->length2, 0.0F, 1.0F)
                                : 0.0F;
            const float dx = wx - piece->vx * t;
            const float dy = wy - piece->vy * t;
            nearest2 = std::min(nearest2, dx * dx + dy * dy);
        }
        value = std::min(value, std::sqrt(nearest2) - radii_[static_cast<std::size_t>(tunnel)]);
    }
    return value;
}
