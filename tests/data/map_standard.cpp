#include "data/map_standard.hpp"

#include "physics/u_physics_placement.hpp"
#include "resources/u_sdl_handles.hpp"
#include "support/pixels.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
constexpr int solidAlpha = 128;
constexpr int farthestHalo = 6;
constexpr int tumboksOfAFullMatch = 4 * 300;

// The alpha of every pixel, row by row.
class TAlphaGrid {
public:
    explicit TAlphaGrid(SDL_Surface* surface) : width_(surface->w), height_(surface->h) {
        const SurfaceLock lock(surface);
        alphas_.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                alphas_.push_back(pixelAt(surface, x, y).a);
            }
        }
    }

    int width() const { return width_; }
    int height() const { return height_; }
    // Outside the picture counts as air.
    int at(int x, int y) const {
        return x < 0 || y < 0 || x >= width_ || y >= height_
                   ? 0
                   : alphas_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                             static_cast<std::size_t>(x)];
    }
    bool solid(int x, int y) const { return at(x, y) >= solidAlpha; }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> alphas_;
};

bool solidWithin(const TAlphaGrid& grid, int x, int y, int radius) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius && grid.solid(x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

bool onEdge(const TAlphaGrid& grid, int x, int y) {
    return grid.solid(x, y) &&
           (!grid.solid(x - 1, y) || !grid.solid(x + 1, y) || !grid.solid(x, y - 1) || !grid.solid(x, y + 1));
}
} // namespace

void expectTerrainStandard(SDL_Surface* terrain, const std::string& name) {
    const TAlphaGrid grid(terrain);
    long solid = 0;
    long edge = 0;
    long softened = 0; // neither air nor fully opaque
    long strayHalo = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const int alpha = grid.at(x, y);
            solid += alpha >= solidAlpha ? 1 : 0;
            edge += onEdge(grid, x, y) ? 1 : 0;
            softened += alpha > 0 && alpha < 255 ? 1 : 0;
            if (alpha > 0 && alpha < solidAlpha && !solidWithin(grid, x, y, farthestHalo)) {
                ADD_FAILURE() << name << ": half-transparent pixel far from the ground at " << x << ", " << y;
                if (++strayHalo > 5) {
                    return;
                }
            }
        }
    }
    const double share = static_cast<double>(solid) / (static_cast<double>(grid.width()) * grid.height());
    EXPECT_GE(share, 0.15) << name;
    EXPECT_LE(share, 0.75) << name;
    EXPECT_GE(softened, edge / 2) << name << ": the edges are not anti-aliased";
    if (grid.width() >= 1600 && grid.height() >= 1000) {
        const TStandingSpots spots(terrain, TTumbok::tumbokWidth, TTumbok::tumbokHeight, tumbokMarginX,
                                   tumbokMarginY);
        EXPECT_GE(spots.count(), tumboksOfAFullMatch) << name;
    }
}
