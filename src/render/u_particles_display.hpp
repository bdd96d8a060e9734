// Drawing the particles of every fountain: frames of the smoke animation, or small squares.
#pragma once

#include "physics/u_physics_particles.hpp"
#include "render/u_basic_display.hpp"
#include "resources/u_sdl_handles.hpp"

#include <vector>

using TSurfaceFrames = std::vector<SurfacePtr>;

class TParticlesDisplay : public TBasicDisplay {
public:
    static constexpr int frameCount = 6;

    TParticlesDisplay(TDisplay& display, TMoves& moves);

    void draw(const TFountainsList& fountains) const;

    TSurfaceFrames frames;

private:
    void drawParticle(const TParticlesFountain& fountain, const TParticle& particle) const;
};
