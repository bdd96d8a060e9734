// Drawing the particles of every fountain: frames of the smoke animation, or small squares.
#pragma once

#include "physics/u_physics_particles.hpp"
#include "render/u_alpha_sprite.hpp"
#include "render/u_basic_display.hpp"
#include "resources/u_sdl_handles.hpp"

#include <vector>

using TSurfaceFrames = std::vector<SurfacePtr>;

class TParticlesDisplay : public TBasicDisplay {
public:
    static constexpr int frameCount = 6;

    // Loads "smoke-frames.png" and cuts it into the six frames.
    TParticlesDisplay(TDisplay& display, TMoves& moves);

    // Every particle of every fountain, in list order; a fountain whose projectile is gone draws the same.
    void draw(const TFountainsList& fountains) const;

    TSurfaceFrames frames;

private:
    // A smoke fountain's puffs composited straight into the locked window; false when the window's format
    // does not take the prepared frames.
    bool drawSmokeFast(const TParticlesFountain& fountain) const;
    void drawParticle(const TParticlesFountain& fountain, const TParticle& particle) const;
    // The frame a smoke particle shows; null past the fountain's animation or the frames there are.
    SDL_Surface* frameFor(const TParticlesFountain& fountain, const TParticle& particle) const;
    // Index of the frame a smoke particle shows, or -1.
    int frameIndex(const TParticlesFountain& fountain, const TParticle& particle) const;

    // Prepares the copies of the frames for the window's format, again when a frame or the format changed;
    // false when some frame cannot be composited directly (the puffs are then blitted).
    bool spritesReady(const SDL_PixelFormat* format) const;

    mutable std::vector<TAlphaSprite> sprites_;
};
