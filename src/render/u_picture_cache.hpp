// Rotated and zoomed copies of small pictures, made once per angle or size and kept for later frames.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <cstddef>
#include <unordered_map>
#include <vector>

// A copy of the source turned counter-clockwise by angle degrees (smoothed), in the display format; null
// when the source is missing, 0 x 0, or the turn fails.
SurfacePtr rotatePicture(SDL_Surface* source, double angle);
// A copy scaled by zoom on both axes (not smoothed); null in the same cases and for a zoom that is not
// positive.
SurfacePtr zoomPicture(SDL_Surface* source, double zoom);

// A copy of a whole picture in the display format with alpha; null for a missing or 0 x 0 one.
SurfacePtr copyPicture(SDL_Surface* source);
// Lays a picture (or a part of it) over a target with alpha at (x, y), clipped: the target then shows what
// blitting it and then the picture would show, and its own alpha grows to cover both.
void composeOver(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y);

// A sheet of `count` frames stacked top to bottom cut into pictures of its width and height / count, each
// blended onto a transparent surface; a missing sheet gives empty frames.
std::vector<SurfacePtr> cutFrameSheet(SDL_Surface* sheet, int count);

// Copies made from one source, by an integer key the owner derives from the angle or size. The source is
// remembered: when another one is asked for, the old copies are dropped.
class TPictureCache {
public:
    explicit TPictureCache(std::size_t capacity) : capacity_(capacity) {}

    // The stored copy, or null when there is none for this source and key.
    SDL_Surface* find(const SDL_Surface* source, int key) const;
    // Keeps the copy (which may be null: a failed transform is not retried) and returns it. Beyond the
    // capacity everything is dropped first, so the cache never grows without bound.
    SDL_Surface* store(const SDL_Surface* source, int key, SurfacePtr copy);
    bool contains(const SDL_Surface* source, int key) const;
    // The stored copy, made by make() the first time this source and key are asked for.
    template <typename Make> SDL_Surface* obtain(const SDL_Surface* source, int key, Make&& make) {
        if (contains(source, key)) {
            return find(source, key);
        }
        return store(source, key, make());
    }
    void clear();
    std::size_t size() const { return copies_.size(); }

private:
    std::size_t capacity_;
    const SDL_Surface* source_ = nullptr;
    std::unordered_map<int, SurfacePtr> copies_;
};
