#include "render/u_picture_cache.hpp"

#include "render/u_pixel_channels.hpp"
#include "resources/u_surface_utils.hpp"

#include <SDL_rotozoom.h>

#include <algorithm>
#include <cstring>

namespace {

bool isEmpty(const SDL_Surface* surface) {
    return surface == nullptr || surface->w <= 0 || surface->h <= 0;
}

// Pixel by pixel, colour and alpha as they are: a blit would blend, or need the source's flags changed.
void copyPixels(SDL_Surface* source, int width, int height, SDL_Surface* target, int left, int top) {
    const SurfaceLock sourceLock(source);
    const SurfaceLock targetLock(target);
    const int sourceBytes = source->format->BytesPerPixel;
    const TPixelChannels read(source->format);
    const TPixelChannels write(target->format);
    for (int y = 0; y < height; ++y) {
        const auto* from = static_cast<const Uint8*>(source->pixels) + y * source->pitch;
        auto* to = static_cast<Uint8*>(target->pixels) + (y + top) * target->pitch + left * 4;
        for (int x = 0; x < width; ++x) {
            Uint32 value = 0;
            std::memcpy(&value, from + x * sourceBytes, static_cast<std::size_t>(sourceBytes));
            const Uint32 pixel = write.pixel(read.of(value));
            std::memcpy(to + x * 4, &pixel, sizeof pixel);
        }
    }
}

// A new picture of the given size in the display format with alpha, the source copied in at (left, top).
SurfacePtr copyInto(SDL_Surface* source, int width, int height, int left, int top) {
    SurfacePtr copy = createSurface(width, height, true);
    if (copy->w != width || copy->h != height || copy->format->BytesPerPixel != 4) {
        return nullptr;
    }
    SDL_FillRect(copy.get(), nullptr, SDL_MapRGBA(copy->format, 0, 0, 0, 0));
    copyPixels(source, source->w, source->h, copy.get(), left, top);
    SDL_SetAlpha(copy.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    return copy;
}

// The transforms give a plain RGBA surface with guard rows below its height, which a format conversion
// would keep; an exact copy in the display format also makes every later blit a plain one.
SurfacePtr inDisplayFormat(SDL_Surface* raw) {
    const SurfacePtr result(raw);
    if (result == nullptr || result->w <= 0 || result->h <= 0) {
        return nullptr;
    }
    return copyInto(result.get(), result->w, result->h, 0, 0);
}

} // namespace

SurfacePtr copyPicture(SDL_Surface* source) {
    if (isEmpty(source)) {
        return nullptr;
    }
    return copyInto(source, source->w, source->h, 0, 0);
}

void composeOver(SDL_Surface* source, const SDL_Rect* part, SDL_Surface* target, int x, int y) {
    if (isEmpty(source) || isEmpty(target) || target->format->BytesPerPixel != 4) {
        return;
    }
    const int sx = part != nullptr ? part->x : 0;
    const int sy = part != nullptr ? part->y : 0;
    const int width = part != nullptr ? std::min<int>(part->w, source->w - sx) : source->w;
    const int height = part != nullptr ? std::min<int>(part->h, source->h - sy) : source->h;
    const SurfaceLock sourceLock(source);
    const SurfaceLock targetLock(target);
    const int sourceBytes = source->format->BytesPerPixel;
    for (int j = std::max(0, -y); j < height && y + j < target->h; ++j) {
        const auto* from = static_cast<const Uint8*>(source->pixels) + (sy + j) * source->pitch;
        auto* to = static_cast<Uint8*>(target->pixels) + (y + j) * target->pitch;
        for (int i = std::max(0, -x); i < width && x + i < target->w; ++i) {
            Uint32 value = 0;
            std::memcpy(&value, from + (sx + i) * sourceBytes, static_cast<std::size_t>(sourceBytes));
            Uint8 sr, sg, sb, sa;
            SDL_GetRGBA(value, source->format, &sr, &sg, &sb, &sa);
            if (sa == 0) {
                continue;
            }
            Uint32 under = 0;
            std::memcpy(&under, to + (x + i) * 4, sizeof under);
            Uint8 dr, dg, db, da;
            SDL_GetRGBA(under, target->format, &dr, &dg, &db, &da);
            // Straight (not premultiplied) colours: out = source over target.
            const int behind = da * (255 - sa) / 255;
            const int alpha = sa + behind;
            const auto mix = [&](Uint8 s, Uint8 d) {
                return static_cast<Uint8>((s * sa + d * behind) / alpha);
            };
            const Uint32 pixel =
                SDL_MapRGBA(target->format, mix(sr, dr), mix(sg, dg), mix(sb, db), static_cast<Uint8>(alpha));
            std::memcpy(to + (x + i) * 4, &pixel, sizeof pixel);
        }
    }
}

SurfacePtr rotatePicture(SDL_Surface* source, double angle) {
    if (isEmpty(source)) {
        return nullptr;
    }
    // A transparent pixel all round, so that the smoothed turn fades the edges instead of cutting them.
    const SurfacePtr framed = copyInto(source, source->w + 2, source->h + 2, 1, 1);
    if (framed == nullptr) {
        return nullptr;
    }
    return inDisplayFormat(rotozoomSurface(framed.get(), angle, 1.0, SMOOTHING_ON));
}

SurfacePtr zoomPicture(SDL_Surface* source, double zoom) {
    if (isEmpty(source) || !(zoom > 0.0)) {
        return nullptr;
    }
    return inDisplayFormat(zoomSurface(source, zoom, zoom, SMOOTHING_OFF));
}

std::vector<SurfacePtr> cutFrameSheet(SDL_Surface* sheet, int count) {
    std::vector<SurfacePtr> frames;
    const int width = sheet != nullptr ? sheet->w : 0;
    const int height = sheet != nullptr && count > 0 ? sheet->h / count : 0;
    for (int i = 0; i < count; ++i) {
        SurfacePtr frame = createSurface(width, height, true);
        SDL_FillRect(frame.get(), nullptr, SDL_MapRGBA(frame->format, 0, 0, 0, 0));
        SDL_Rect part = {0, static_cast<Sint16>(i * height), static_cast<Uint16>(width),
                         static_cast<Uint16>(height)};
        SDL_Rect at = {0, 0, 0, 0};
        blendSurface(sheet, &part, frame.get(), &at);
        // A new surface does not blend by itself; a frame must, or its transparent corners would show.
        SDL_SetAlpha(frame.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
        frames.push_back(std::move(frame));
    }
    return frames;
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
