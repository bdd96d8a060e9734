#include "render/u_particles_display.hpp"

#include "render/u_picture_cache.hpp"
#include "resources/u_image_loader.hpp"

TParticlesDisplay::TParticlesDisplay(TDisplay& display, TMoves& moves) : TBasicDisplay(display, moves) {
    const SurfacePtr sheet = loadGameImage("smoke-frames.png");
    frames = cutFrameSheet(sheet.get(), frameCount);
}

void TParticlesDisplay::draw(const TFountainsList& fountains) const {
    for (const TParticlesFountain& fountain : fountains) {
        for (const TParticle& particle : fountain.particles) {
            drawParticle(fountain, particle);
        }
    }
}

void TParticlesDisplay::drawParticle(const TParticlesFountain& fountain, const TParticle& particle) const {
    const int x = screenX(mapPixel(particle.position.x));
    const int y = screenY(mapPixel(particle.position.y));
    if (fountain.kind == TParticleType::ParticleSmoke) {
        if (particle.imageIndex < 0 || particle.imageIndex >= fountain.imageCount ||
            particle.imageIndex >= static_cast<int>(frames.size())) {
            return;
        }
        SDL_Surface* frame = frames[static_cast<std::size_t>(particle.imageIndex)].get();
        blitToScreen(frame, nullptr, x - frame->w / 2, y - frame->h / 2);
        return;
    }
    // The colour is a pixel value of the 32-bit display, 0xAARRGGBB.
    const Uint32 colour =
        SDL_MapRGB(screen()->format, static_cast<Uint8>(particle.colour >> 16),
                   static_cast<Uint8>(particle.colour >> 8), static_cast<Uint8>(particle.colour));
    fillOnScreen(x - particle.size / 2, y - particle.size / 2, particle.size, particle.size, colour);
}
