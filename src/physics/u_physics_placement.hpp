// Where a body can be put down at the start of a match: every top-left corner in the random range at which
// it overlaps no terrain and stands on something, found 64 corners at a time from the terrain's solid mask.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"
#include "resources/u_solid_mask.hpp"

#include <vector>

// Margins of the tumboks' random placement range (the right and bottom of the picture are never drawn).
constexpr int tumbokMarginX = 16;
constexpr int tumbokMarginY = 50;

// The terrain's solid pixels, by the rule the collision tests read them with. A match builds it once, for the
// check of its terrain and for placing both the tumboks and the boxes.
TSolidMask solidMaskOf(SDL_Surface* terrain);

class TStandingSpots {
public:
    // Corners x in 0 .. max(width - marginX, 1) - 1 and y likewise, as the random draws of the placement
    // would give them, row by row; the probes are the collision tests' (border over the top w + 1 rows,
    // support row from x - 1 to x + w + 1).
    TStandingSpots(const TSolidMask& solid, int bodyWidth, int bodyHeight, int marginX, int marginY);
    TStandingSpots(SDL_Surface* terrain, int bodyWidth, int bodyHeight, int marginX, int marginY)
        : TStandingSpots(solidMaskOf(terrain), bodyWidth, bodyHeight, marginX, marginY) {}

    bool empty() const { return spots_.empty(); }
    int count() const { return static_cast<int>(spots_.size()); }
    // One spot drawn uniformly; the spots must not be empty.
    TPixelPoint pick() const;
    const std::vector<TPixelPoint>& spots() const { return spots_; }

private:
    std::vector<TPixelPoint> spots_;
};

// True when a tumbok can be put down somewhere on the terrain; stops at the first place found.
bool tumbokCanStand(const TSolidMask& solid);
