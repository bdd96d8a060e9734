#include "physics/u_physics_placement.hpp"

#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"

#include <algorithm>

namespace {

// Running counts of solid pixels along every row and every column, so that "is anything solid between
// these two pixels" costs two reads whatever the length.
class TSolidCounts {
public:
    explicit TSolidCounts(SDL_Surface* terrain) {
        const TTerrainReader reader(terrain);
        width_ = reader.width();
        height_ = reader.height();
        rows_.assign(static_cast<std::size_t>(width_ + 1) * static_cast<std::size_t>(height_), 0);
        columns_.assign(static_cast<std::size_t>(height_ + 1) * static_cast<std::size_t>(width_), 0);
        // Both tables are filled row after row, in memory order: a large terrain is counted in one sweep.
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const int solid = solidPixel(reader, x, y) ? 1 : 0;
                rowAt(y, x + 1) = rowAt(y, x) + solid;
                columnAt(x, y + 1) = columnAt(x, y) + solid;
            }
        }
    }

    // Outside the picture counts as empty.
    bool anyInRow(int y, int x0, int x1) const {
        if (y < 0 || y >= height_) {
            return false;
        }
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width_ - 1);
        return x0 <= x1 && rowAt(y, x1 + 1) != rowAt(y, x0);
    }

    bool anyInColumn(int x, int y0, int y1) const {
        if (x < 0 || x >= width_) {
            return false;
        }
        y0 = std::max(y0, 0);
        y1 = std::min(y1, height_ - 1);
        return y0 <= y1 && columnAt(x, y1 + 1) != columnAt(x, y0);
    }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    int& rowAt(int y, int x) {
        return rows_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_ + 1) +
                     static_cast<std::size_t>(x)];
    }
    int rowAt(int y, int x) const {
        return rows_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_ + 1) +
                     static_cast<std::size_t>(x)];
    }
    // Count of solid pixels of column x above row y, stored row by row.
    int& columnAt(int x, int y) {
        return columns_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x)];
    }
    int columnAt(int x, int y) const {
        return columns_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x)];
    }

    // The reader's own rule, reading 32-bit pictures (the display format) directly.
    static bool solidPixel(const TTerrainReader& reader, int x, int y) {
        return reader.bytesPerPixel() == 4 ? reader.isSolidPixel(*reader.pixel32(x, y))
                                           : reader.solidAt(x, y);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<int> rows_;
    std::vector<int> columns_;
};

bool standsAt(const TSolidCounts& solid, int x, int y, int w, int h) {
    return !solid.anyInRow(y + h, x, x + w) && !solid.anyInRow(y, x, x + w) &&
           !solid.anyInColumn(x, y, y + w) && !solid.anyInColumn(x + w, y, y + w) &&
           solid.anyInRow(y + h + 1, x - 1, x + w + 1);
}

// Calls found(x, y) for every corner in the placement range where the body stands, row by row, until it
// returns false.
template <typename Found>
void visitStandingSpots(const TSolidCounts& solid, int bodyWidth, int bodyHeight, int marginX, int marginY,
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
    visitStandingSpots(TSolidCounts(terrain), bodyWidth, bodyHeight, marginX, marginY, [this](int x, int y) {
        spots_.push_back(TPixelPoint{x, y});
        return true;
    });
}

bool tumbokCanStand(SDL_Surface* terrain) {
    bool found = false;
    visitStandingSpots(TSolidCounts(terrain), TTumbok::tumbokWidth, TTumbok::tumbokHeight, tumbokMarginX,
                       tumbokMarginY, [&found](int, int) {
                           found = true;
                           return false;
                       });
    return found;
}

TPixelPoint TStandingSpots::pick() const {
    return spots_[static_cast<std::size_t>(Random(count()))];
}
