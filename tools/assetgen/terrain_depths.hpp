// How deep inside the ground each pixel of a terrain lies, worked out row by row from the top, so that a
// large terrain is painted without a second picture-sized table of depths.
#pragma once

#include "terrain_field.hpp"

#include <vector>

// Depth below the nearest air above in the pixel's column, counted from 1 on the first solid row. Surfaces
// under a low roof (cave floors) count as deep, so that grass, snow and sand grow only where the sky
// reaches.
class TDepthScan {
public:
    static constexpr int openSkyHeight = 160;

    explicit TDepthScan(int width);
    // The depths of the next row (0 for air); rows come in order from the top.
    const std::vector<int>& nextRow(const TField& field);

private:
    std::vector<int> airStart_;
    std::vector<int> lastAir_;
    std::vector<char> inAir_;
    std::vector<int> depths_;
    int row_ = 0;
};

// Chamfer distances from solid pixels to the nearest air (0 for air), a band of rows at a time. Only
// distances below `exact` are needed exactly: the backward sweep of each band starts far enough below it
// that no shorter path can come from further down, so the exact values match a sweep of the whole picture,
// and the others are at least `exact` too.
class TInsideDistances {
public:
    TInsideDistances(const TField& field, float exact, int bandHeight);

    // The distances of rows [top, top + rows), row by row: valid until the next call. Each band starts where
    // the previous one ended, and holds at most bandHeight rows.
    const float* band(int top, int rows);

private:
    float* forwardRow(int y) { return &forward_[static_cast<std::size_t>(y % ringRows_) * width_]; }
    void sweepForwardTo(int last);

    const TField& field_;
    int width_;
    int height_;
    int lookahead_;
    int ringRows_;
    int forwardDone_ = 0; // rows [0, forwardDone_) have had their forward sweep
    std::vector<float> forward_;
    std::vector<float> backward_;
};
