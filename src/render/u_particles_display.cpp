#include "render/u_particles_display.hpp"

#include "resources/u_image_loader.hpp"

TParticlesDisplay::TParticlesDisplay(TDisplay& display, TMoves& moves)
    : TBasicDisplay(display, moves),
      frames(cutAnimationFrames(loadGameImage("smoke-frames.png").get(), smokeFrameCount)) {
    for (const SurfacePtr& frame : frames) {
        // Hundreds of puffs a frame, mostly transparent: run-length encoding skips the empty pixels.
        SDL_SetAlpha(frame.get(), SDL_SRCALPHA | SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
    }
}

void TParticlesDisplay::draw(const TFountainsList& fountains) const {
    for (const TParticlesFountain& fountain : fountains) {
        for (const TParticle& particle : fountain.particles) {
            drawParticle(fountain, particle);
        }
    }
}

SDL_Surface* TParticlesDisplay::frameFor(const TParticlesFountain& fountain,
                                         const TParticle& particle) const {
    const int index = particle.imageIndex;
    if (index < 0 || index >= fountain.imageCount || index >= static_cast<int>(frames.size())) {
        return nullptr;
    }
    return frames[static_cast<std::size_t>(index)].get();
}

void TParticlesDisplay::drawParticle(const TParticlesFountain& fountain, const TParticle& particle) const {
    const int x = screenX(mapPixel(particle.position.x));
    const int y = screenY(mapPixel(particle.position.y));
    if (fountain.kind == TParticleType::ParticleSmoke) {
        if (SDL_Surface* frame = frameFor(fountain, particle)) {
            blitToScreen(frame, nullptr, x - frame->w / 2, y - frame->h / 2);
        }
        return;
    }
    fillOnScreen(x - particle.size / 2, y - particle.size / 2, particle.size, particle.size, particle.colour);
}
