#include "render/u_particles_display.hpp"

#include "app/u_display.hpp"
#include "render/u_picture_cache.hpp"
#include "resources/u_image_loader.hpp"

TParticlesDisplay::TParticlesDisplay(TDisplay& display, TMoves& moves) : TBasicDisplay(display, moves) {
    const SurfacePtr sheet = loadGameImage("smoke-frames.png");
    frames = cutFrameSheet(sheet.get(), frameCount);
    // Hundreds of puffs a frame: composited directly, they cost a fraction of as many blits.
    for (const SurfacePtr& frame : frames) {
        sprites_.emplace_back(frame.get(), display.screen != nullptr ? display.screen->format : nullptr);
    }
}

void TParticlesDisplay::draw(const TFountainsList& fountains) const {
    for (const TParticlesFountain& fountain : fountains) {
        if (fountain.kind == TParticleType::ParticleSmoke && drawSmokeFast(fountain)) {
            continue;
        }
        for (const TParticle& particle : fountain.particles) {
            drawParticle(fountain, particle);
        }
    }
}

bool TParticlesDisplay::drawSmokeFast(const TParticlesFountain& fountain) const {
    SDL_Surface* target = screen();
    if (target == nullptr || sprites_.empty() || !sprites_.front().fits(target->format)) {
        return false;
    }
    const SurfaceLock lock(target);
    for (const TParticle& particle : fountain.particles) {
        const int index = frameIndex(fountain, particle);
        if (index < 0) {
            continue;
        }
        const TAlphaSprite& sprite = sprites_[static_cast<std::size_t>(index)];
        const int x = screenX(mapPixel(particle.position.x)) - sprite.width() / 2;
        const int y = screenY(mapPixel(particle.position.y)) - sprite.height() / 2;
        if (isVisible(x, y, sprite.width(), sprite.height())) {
            sprite.drawOnto(target, x, y);
        }
    }
    return true;
}

int TParticlesDisplay::frameIndex(const TParticlesFountain& fountain, const TParticle& particle) const {
    const int index = particle.imageIndex;
    if (index < 0 || index >= fountain.imageCount || index >= static_cast<int>(frames.size())) {
        return -1;
    }
    return index;
}

SDL_Surface* TParticlesDisplay::frameFor(const TParticlesFountain& fountain,
                                         const TParticle& particle) const {
    const int index = frameIndex(fountain, particle);
    return index < 0 ? nullptr : frames[static_cast<std::size_t>(index)].get();
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
    // The colour is a pixel value of the 32-bit display, 0xAARRGGBB.
    const Uint32 colour =
        SDL_MapRGB(screen()->format, static_cast<Uint8>(particle.colour >> 16),
                   static_cast<Uint8>(particle.colour >> 8), static_cast<Uint8>(particle.colour));
    fillOnScreen(x - particle.size / 2, y - particle.size / 2, particle.size, particle.size, colour);
}
