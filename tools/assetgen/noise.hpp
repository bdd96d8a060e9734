// Deterministic noise and random numbers for the generator (fixed seeds, same output on every run).
#pragma once

#include <cstdint>

// Hash-based value noise in 1D and 2D, smooth between lattice points, in 0..1.
float valueNoise1(float x, std::uint32_t seed);
float valueNoise2(float x, float y, std::uint32_t seed);
// Sums of octaves, each half as strong and twice as fine, normalised to 0..1.
float fractalNoise1(float x, int octaves, std::uint32_t seed);
float fractalNoise2(float x, float y, int octaves, std::uint32_t seed);

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
