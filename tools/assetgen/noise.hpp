// Deterministic noise and random numbers for the generator (fixed seeds, same output on every run).
#pragma once

#include <cstdint>
#include <vector>

// Hash-based value noise in 1D and 2D, smooth between lattice points, in 0..1.
float valueNoise1(float x, std::uint32_t seed);
float valueNoise2(float x, float y, std::uint32_t seed);
// Sums of octaves, each half as strong and twice as fine, normalised to 0..1.
float fractalNoise1(float x, int octaves, std::uint32_t seed);
float fractalNoise2(float x, float y, int octaves, std::uint32_t seed);

// fractalNoise2 over whole rows of pixels, with the same values: what depends on the column alone is worked
// out once, and neighbouring pixels share the lattice values they interpolate between.
class TNoiseRows {
public:
    // xs: the x coordinate of each column, growing from left to right.
    TNoiseRows(const std::vector<float>& xs, int octaves, std::uint32_t seed);

    // fractalNoise2(xs[i], y, octaves, seed) for every column i; valid until the next call.
    const std::vector<float>& row(float y);

private:
    struct TOctave {
        float scale;
        std::uint32_t seed;
        std::int32_t firstCell;        // the lattice cell of the first column
        std::vector<std::size_t> runs; // where each cell's columns start from the first cell on, and the end
        std::vector<float> t;          // each column's smoothed position inside its cell
        std::vector<float> upper;      // the lattice values of the row's two lattice lines
        std::vector<float> lower;
    };

    std::vector<TOctave> octaves_;
    float total_ = 0.0F;
    std::vector<float> values_;
};

// fractalNoise1 at points that move little from one call to the next, such as along a row of pixels: the
// same values, with each octave's lattice values kept from the call before while the point stays in their
// cell.
class TNoiseTrack {
public:
    TNoiseTrack(int octaves, std::uint32_t seed);

    float at(float x);

private:
    struct TOctave {
        std::uint32_t seed;
        std::int32_t cell;
        float left;
        float right;
    };

    std::vector<TOctave> octaves_;
};

// A small seeded generator (splitmix64) for placing things.
class TRng {
public:
    explicit TRng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    float unit();
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
    int below(int n);

private:
    std::uint64_t state_;
};
