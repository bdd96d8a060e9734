// Drawing the particles of every fountain: frames of the smoke animation, or small filled squares.
#pragma once

#include "physics/u_physics_particles.hpp"
#include "render/u_animation_frames.hpp"
#include "render/u_basic_display.hpp"

class TParticlesDisplay : public TBasicDisplay {
public:
    static constexpr int smokeFrameCount = 6;

    // Loads "smoke-frames.png" and cuts it into the six frames.
    TParticlesDisplay(TDisplay& display, TMoves& moves);
    ~TParticlesDisplay() = default;
    TParticlesDisplay(const TParticlesDisplay&) = delete;
    TParticlesDisplay& operator=(const TParticlesDisplay&) = delete;

    // Every particle of every fountain, in list order; a fountain whose projectile is gone draws the same.
    void draw(const TFountainsList& fountains) const;

    TSurfaceFrames frames;

private:
    void drawParticle(const TParticlesFountain& fountain, const TParticle& particle) const;
    // The frame of the animation a smoke particle shows; null past the fountain's frames.
    SDL_Surface* frameFor(const TParticlesFountain& fountain, const TParticle& particle) const;
};
