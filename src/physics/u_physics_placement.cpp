#include "physics/u_physics_placement.hpp"

#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"

#include <algorithm>
#include <cstdint>

namespace {

// The terrain's solid pixels as one byte each, with a flag per row telling whether it holds any: the probes
// of a placement read a few pixels each, so a byte per pixel is all they need, even on the largest maps.
class TSolidMask {
public:
    explicit TSolidMask(SDL_Surface* terrain) {
        const TTerrainReader reader(terrain);
        width_ = reader.width();
        height_ = reader.height();
        solid_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        rowHasSolid_.resize(static_cast<std::size_t>(height_));
        // This loop reads every pixel of the largest maps, three times per match start: 32-bit pictures are
        // read directly, without the bounds check of each probe.
        const bool direct = reader.bytesPerPixel() == 4;
        for (int y = 0; y < height_; ++y) {
            std::uint8_t* row = &solid_[index(0, y)];
            std::uint8_t any = 0;
            for (int x = 0; x < width_; ++x) {
                row[x] = (direct ? reader.isSolidPixel(*reader.pixel32(x, y)) : reader.solidAt(x, y)) ? 1 : 0;
                any |= row[x];
            }
            rowHasSolid_[static_cast<std::size_t>(y)] = any;
        }
    }

    // Outside the picture counts as empty.
    bool anyInRow(int y, int x0, int x1) const {
        if (y < 0 || y >= height_) {
            return false;
        }
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width_ - 1);
        if (x0 == 0 && x1 == width_ - 1) {
            return rowHasSolid_[static_cast<std::size_t>(y)] != 0;
        }
        for (int x = x0; x <= x1; ++x) {
            if (solid_[index(x, y)] != 0) {
                return true;
            }
        }
        return false;
    }

    bool anyInColumn(int x, int y0, int y1) const {
        if (x < 0 || x >= width_) {
            return false;
        }
        y0 = std::max(y0, 0);
        y1 = std::min(y1, height_ - 1);
        for (int y = y0; y <= y1; ++y) {
            if (solid_[index(x, y)] != 0) {
                return true;
            }
        }
        return false;
    }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> solid_;
    std::vector<std::uint8_t> rowHasSolid_;
};

bool standsAt(const TSolidMask& solid, int x, int y, int w, int h) {
    // Ground under the feet and none at their level holds near surfaces only: tested first, it rules out
    // nearly every corner in a few reads.
    return solid.anyInRow(y + h + 1, x - 1, x + w + 1) && !solid.anyInRow(y + h, x, x + w) &&
           !solid.anyInRow(y, x, x + w) && !solid.anyInColumn(x, y, y + w) &&
           !solid.anyInColumn(x + w, y, y + w);
}

// Calls found(x, y) for every corner in the placement range where the body stands, row by row, until it
// returns false.
template <typename Found>
void visitStandingSpots(const TSolidMask& solid, int bodyWidth, int bodyHeight, int marginX, int marginY,
                        Found found) {
    const int rangeX = std::max(solid.width() - marginX, 1);
    const int rangeY = std::max(solid.height() - marginY, 1);
    for (int y = 0; y < rangeY; ++y) {
        // A row with nothing solid under the body cannot hold it anywhere.
        if (!solid.anyInRow(y + bodyHeight + 1, -1, solid.width())) {
            continue;
        }
        for (int x = 0; x < rangeX; ++x) {
            if (standsAt(solid, x, y, bodyWidth, bodyHeight) && !found(x, y)) {
                return;
            }
        }
    }
}

} // namespace

TStandingSpots::TStandingSpots(SDL_Surface* terrain, int bodyWidth, int bodyHeight, int marginX,
                               int marginY) {
    visitStandingSpots(TSolidMask(terrain), bodyWidth, bodyHeight, marginX, marginY, [this](int x, int y) {
        spots_.push_back(TPixelPoint{x, y});
        return true;
    });
}

bool tumbokCanStand(SDL_Surface* terrain) {
    bool found = false;
    visitStandingSpots(TSolidMask(terrain), TTumbok::tumbokWidth, TTumbok::tumbokHeight, tumbokMarginX,
                       tumbokMarginY, [&found](int, int) {
                           found = true;
                           return false;
                       });
    return found;
}

TPixelPoint TStandingSpots::pick() const {
    return spots_[static_cast<std::size_t>(Random(count()))];
}
