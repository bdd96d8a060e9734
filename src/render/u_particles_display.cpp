#include "render/u_particles_display.hpp"

#include "app/u_display.hpp"
#include "render/u_picture_cache.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"

TParticlesDisplay::TParticlesDisplay(TDisplay& display, TMoves& moves) : TBasicDisplay(display, moves) {
    const SurfacePtr sheet = loadGameImage(dataFile::smokeFrames);
    frames = cutFrameSheet(sheet.get(), frameCount);
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

bool TParticlesDisplay::spritesReady(const SDL_PixelFormat* format) const {
    if (sprites_.size() != frames.size()) {
        sprites_.clear();
        for (const SurfacePtr& frame : frames) {
            sprites_.emplace_back(frame.get(), format);
        }
    }
    bool ready = true;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        TAlphaSprite& sprite = sprites_[i];
        SDL_Surface* frame = frames[i].get();
        // A frame replaced, or a window of another format: prepared again once, not at every puff.
        if (!sprite.madeFrom(frame) || (sprite.usable() && !sprite.fits(format))) {
            sprite = TAlphaSprite(frame, format);
        }
        ready = ready && sprite.fits(format);
    }
    return ready;
}

// Hundreds of puffs a frame: composited directly, they cost a fraction of as many blits.
bool TParticlesDisplay::drawSmokeFast(const TParticlesFountain& fountain) const {
    SDL_Surface* target = screen();
    if (target == nullptr || !spritesReady(target->format)) {
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
