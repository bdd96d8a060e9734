#include "noise.hpp"

#include <algorithm>
#include <cmath>

namespace {
std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1U;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77U;
    h = (h << 13U) | (h >> 19U);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3DU;
    h *= 0x27D4EB2FU;
    h ^= h >> 15U;
    h *= 0x165667B1U;
    h ^= h >> 16U;
    return h;
}

float lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hash(x, y, seed) & 0xFFFFFFU) / static_cast<float>(0xFFFFFF);
}

float smooth(float t) {
    return t * t * t * (t * (t * 6.0F - 15.0F) + 10.0F);
}

// Octaves of a noise, each half as strong and twice as fine as the one before, summed and normalised.
template <typename Noise> float fractal(int octaves, std::uint32_t seed, Noise noiseAt) {
    float sum = 0.0F;
    float weight = 1.0F;
    float total = 0.0F;
    float scale = 1.0F;
    for (int i = 0; i < octaves; ++i) {
        sum += noiseAt(scale, seed + static_cast<std::uint32_t>(i) * 101U) * weight;
        total += weight;
        weight *= 0.5F;
        scale *= 2.0F;
    }
    return sum / total;
}
} // namespace

TNoiseRows::TNoiseRows(const std::vector<float>& xs, int octaves, std::uint32_t seed) : values_(xs.size()) {
    // The weights and scales of fractal().
    float weight = 1.0F;
    float scale = 1.0F;
    for (int i = 0; i < octaves; ++i) {
        TOctave octave{scale, seed + static_cast<std::uint32_t>(i) * 101U, 0, {}, {}, {}, {}};
        std::vector<std::int32_t> cells; // each column's lattice cell, counted from the first column's
        for (const float x : xs) {
            const float at = x * scale;
            const float fx = std::floor(at);
            const auto ix = static_cast<std::int32_t>(fx);
            if (cells.empty()) {
                octave.firstCell = ix;
            }
            cells.push_back(ix - octave.firstCell);
            octave.t.push_back(smooth(at - fx));
        }
        // The columns grow from left to right, so those of one cell make a run.
        for (std::int32_t cell = 0; !cells.empty() && cell <= cells.back(); ++cell) {
            octave.runs.push_back(
                static_cast<std::size_t>(std::lower_bound(cells.begin(), cells.end(), cell) - cells.begin()));
        }
        octave.runs.push_back(xs.size());
        octave.upper.resize(octave.runs.size());
        octave.lower.resize(octave.runs.size());
        octaves_.push_back(std::move(octave));
        total_ += weight;
        weight *= 0.5F;
        scale *= 2.0F;
    }
}

const std::vector<float>& TNoiseRows::row(float y) {
    std::fill(values_.begin(), values_.end(), 0.0F);
    float weight = 1.0F;
    for (TOctave& octave : octaves_) {
        const float at = y * octave.scale;
        const float fy = std::floor(at);
        const auto iy = static_cast<std::int32_t>(fy);
        const float ty = smooth(at - fy);
        for (std::size_t k = 0; k < octave.upper.size(); ++k) {
            const std::int32_t ix = octave.firstCell + static_cast<std::int32_t>(k);
            octave.upper[k] = lattice(ix, iy, octave.seed);
            octave.lower[k] = lattice(ix, iy + 1, octave.seed);
        }
        // valueNoise2 over each run of columns in one cell, whose four lattice values it shares.
        for (std::size_t k = 0; k + 1 < octave.runs.size(); ++k) {
            const float a = octave.upper[k];
            const float b = octave.upper[k + 1];
            const float c = octave.lower[k];
            const float d = octave.lower[k + 1];
            for (std::size_t i = octave.runs[k]; i < octave.runs[k + 1]; ++i) {
                const float tx = octave.t[i];
                const float top = a + (b - a) * tx;
                const float bottom = c + (d - c) * tx;
                values_[i] += (top + (bottom - top) * ty) * weight;
            }
        }
        weight *= 0.5F;
    }
    for (float& value : values_) {
        value /= total_;
    }
    return values_;
}

TNoiseTrack::TNoiseTrack(int octaves, std::uint32_t seed) {
    for (int i = 0; i < octaves; ++i) {
        const std::uint32_t octaveSeed = seed + static_cast<std::uint32_t>(i) * 101U;
        octaves_.push_back({octaveSeed, 0, lattice(0, 0, octaveSeed), lattice(1, 0, octaveSeed)});
    }
}

float TNoiseTrack::at(float x) {
    // fractal() written out, with each octave's cell kept.
    float sum = 0.0F;
    float weight = 1.0F;
    float total = 0.0F;
    float scale = 1.0F;
    for (TOctave& octave : octaves_) {
        const float at = x * scale;
        const float fx = std::floor(at);
        const auto ix = static_cast<std::int32_t>(fx);
        if (ix != octave.cell) {
            octave = {octave.seed, ix, lattice(ix, 0, octave.seed), lattice(ix + 1, 0, octave.seed)};
        }
        sum += (octave.left + (octave.right - octave.left) * smooth(at - fx)) * weight;
        total += weight;
        weight *= 0.5F;
        scale *= 2.0F;
    }
    return sum / total;
}

float valueNoise1(float x, std::uint32_t seed) {
    const float fx = std::floor(x);
    const auto ix = static_cast<std::int32_t>(fx);
    const float t = smooth(x - fx);
    return lattice(ix, 0, seed) + (lattice(ix + 1, 0, seed) - lattice(ix, 0, seed)) * t;
}

float valueNoise2(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float a = lattice(ix, iy, seed);
    const float b = lattice(ix + 1, iy, seed);
    const float c = lattice(ix, iy + 1, seed);
    const float d = lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise1(float x, int octaves, std::uint32_t seed) {
    return fractal(octaves, seed, [x](float scale, std::uint32_t s) { return valueNoise1(x * scale, s); });
}

float fractalNoise2(float x, float y, int octaves, std::uint32_t seed) {
    return fractal(octaves, seed,
                   [x, y](float scale, std::uint32_t s) { return valueNoise2(x * scale, y * scale, s); });
}

std::uint64_t TRng::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

float TRng::unit() {
    return static_cast<float>(next() >> 40U) / static_cast<float>(1ULL << 24U);
}

int TRng::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n));
}
