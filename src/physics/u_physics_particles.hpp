// Purely visual particles (the bazooka's smoke trail): fountains that emit and move them, and the manager
// that advances every fountain once per physics frame.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_random.hpp"

#include <cstdint>
#include <forward_list>

enum class TParticleType : std::uint8_t { ParticleNoImage = 0, ParticleSmoke = 1 };

struct TParticle {
    int age = 0;
    std::uint32_t colour = 0xFFCC3300;
    TVector position; // centre, map pixels
    TVector speed;
    int size = 1;
    int imageIndex = 0;
};

// Newest first.
using TParticleList = std::forward_list<TParticle>;

// What a new fountain does to the random generator; the game re-seeds it from the clock.
using TReseed = void (*)();

class TParticlesFountain {
public:
    static constexpr int randomSpread = 10; // pixels of random offset at emission
    static constexpr int randomSpeed = 100; // px/s of random speed at emission

    TParticlesFountain(TParticleType kind, TVector position, TReseed reseed);

    // Drifts, emits while emitting, then moves, ages and animates every particle and drops the old ones.
    void step();
    bool empty() const { return particles.empty(); }

    TParticleType kind;
    TVector position;
    TVector drift;
    TVector baseSpeed{0.0, -1.0};
    int emitCount = 5; // a frame emits emitCount + 1 particles
    TParticleList particles;
    TVector acceleration{0.0, 200.0};
    int lifetime = 30;
    int particleSize = 1;
    bool emitting = true;
    int framesPerImage;
    int imageCount;
    bool stopRequested = false;

private:
    void emit();
    void advance(TParticle& particle) const;
};

using TFountainsList = std::forward_list<TParticlesFountain>;

class TParticlesManager {
public:
    // Newest first; the fountain stays where it is until it is removed, so the caller may keep it.
    TParticlesFountain& addFountain(TParticleType kind, TVector position);
    // Removes the fountains told to stop that have no particle left, steps the others.
    void step();

    TFountainsList fountains;
    // Tests and reproducible matches replace it with one that leaves the sequence alone.
    TReseed reseed = reseedRandomFromClock;
};
