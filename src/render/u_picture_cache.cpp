#include "render/u_picture_cache.hpp"

#include <SDL_rotozoom.h>

namespace {

bool isEmpty(const SDL_Surface* surface) {
    return surface == nullptr || surface->w <= 0 || surface->h <= 0;
}

// The transforms give a plain RGBA surface; in the display format every later blit is a straight copy.
SurfacePtr inDisplayFormat(SDL_Surface* raw) {
    SurfacePtr result(raw);
    if (result == nullptr || result->w <= 0 || result->h <= 0) {
        return nullptr;
    }
    if (SDL_GetVideoSurface() != nullptr) {
        if (SDL_Surface* converted = SDL_DisplayFormatAlpha(result.get())) {
            result.reset(converted);
        }
    }
    return result;
}

} // namespace

SurfacePtr rotatePicture(SDL_Surface* source, double angle) {
    if (isEmpty(source)) {
        return nullptr;
    }
    return inDisplayFormat(rotozoomSurface(source, angle, 1.0, SMOOTHING_ON));
}

SurfacePtr zoomPicture(SDL_Surface* source, double zoom) {
    if (isEmpty(source) || !(zoom > 0.0)) {
        return nullptr;
    }
    return inDisplayFormat(zoomSurface(source, zoom, zoom, SMOOTHING_OFF));
}

SDL_Surface* TPictureCache::find(const SDL_Surface* source, int key) const {
    if (source != source_) {
        return nullptr;
    }
    const auto found = copies_.find(key);
    return found == copies_.end() ? nullptr : found->second.get();
}

bool TPictureCache::contains(const SDL_Surface* source, int key) const {
    return source == source_ && copies_.contains(key);
}

SDL_Surface* TPictureCache::store(const SDL_Surface* source, int key, SurfacePtr copy) {
    if (source != source_) {
        clear();
        source_ = source;
    }
    if (copies_.size() >= capacity_) {
        copies_.clear();
    }
    SDL_Surface* kept = copy.get();
    copies_[key] = std::move(copy);
    return kept;
}

void TPictureCache::clear() {
    copies_.clear();
    source_ = nullptr;
}
