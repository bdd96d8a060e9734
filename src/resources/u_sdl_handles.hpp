// Owning handles for SDL objects, so that every surface, sample and music is freed exactly once.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicPtr = std::unique_ptr<Mix_Music, MusicDeleter>;

// Holds a surface locked for direct pixel access for as long as the guard lives.
class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* surface) : surface_(surface) {
        if (surface_ != nullptr && SDL_MUSTLOCK(surface_)) {
            SDL_LockSurface(surface_);
        }
    }
    ~SurfaceLock() {
        if (surface_ != nullptr && SDL_MUSTLOCK(surface_)) {
            SDL_UnlockSurface(surface_);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    SDL_Surface* surface_;
};
