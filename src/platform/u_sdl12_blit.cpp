#include "platform/u_sdl12_blit.hpp"

#include "platform/u_sdl2_native.hpp"

#include <type_traits>
#include <vector>

namespace sdl12 {

namespace {

// The alpha bits of a rectangle of a surface, kept while a blit runs and then written back. Only 16- and
// 32-bit pixels carry an alpha channel in practice.
class TAlphaKept {
public:
    TAlphaKept(SDL_Surface* surface, const ::SDL_Rect& area) : surface_(surface), area_(area) {
        kept_.reserve(static_cast<std::size_t>(area.w) * area.h);
        forEachPixel([this](auto& pixel) { kept_.push_back(pixel & surface_->format->Amask); });
    }
    ~TAlphaKept() {
        auto next = kept_.begin();
        const Uint32 colours = ~surface_->format->Amask;
        forEachPixel([&](auto& pixel) {
            using TPixel = std::remove_reference_t<decltype(pixel)>;
            pixel = static_cast<TPixel>((pixel & colours) | *next++);
        });
    }
    TAlphaKept(const TAlphaKept&) = delete;
    TAlphaKept& operator=(const TAlphaKept&) = delete;

private:
    template <class TVisit> void forEachPixel(TVisit&& visit) {
        const int bytes = surface_->format->BytesPerPixel;
        auto* pixels = static_cast<Uint8*>(surface_->pixels);
        for (int y = area_.y; y < area_.y + area_.h; ++y) {
            Uint8* row = pixels + y * surface_->pitch;
            for (int x = area_.x; x < area_.x + area_.w; ++x) {
                if (bytes == 4) {
                    visit(reinterpret_cast<Uint32*>(row)[x]);
                } else if (bytes == 2) {
                    visit(reinterpret_cast<Uint16*>(row)[x]);
                }
            }
        }
    }

    SDL_Surface* surface_;
    ::SDL_Rect area_;
    std::vector<Uint32> kept_;
};

// SDL2 blends colours as 1.2 does, but also blends the destination's alpha, which 1.2 leaves as it was: that
// channel is put back after a blending blit.
int lowerBlit(SDL_Surface* source, const ::SDL_Rect& from, SDL_Surface* destination, const ::SDL_Rect& to) {
    ::SDL_Rect sourceArea = from;
    ::SDL_Rect destinationArea = to;
    if ((source->flags & surfaceSourceAlpha) == 0 || destination->format->Amask == 0) {
        return ::SDL_LowerBlit(nativeOf(source), &sourceArea, nativeOf(destination), &destinationArea);
    }
    const TAlphaKept alpha(destination, to);
    return ::SDL_LowerBlit(nativeOf(source), &sourceArea, nativeOf(destination), &destinationArea);
}

} // namespace

// 1.2's clipping: the source rectangle against the source, then the destination against its clip
// rectangle; the destination rectangle receives what was drawn (empty, at the clipped corner, when nothing
// was).
int SDL_UpperBlit(SDL_Surface* source, SDL_Rect* sourceRect, SDL_Surface* destination,
                  SDL_Rect* destinationRect) {
    if (source == nullptr || destination == nullptr) {
        ::SDL_SetError("SDL_UpperBlit: passed a NULL surface");
        return -1;
    }
    SDL_Rect whole = {0, 0, 0, 0};
    SDL_Rect& placed = destinationRect != nullptr ? *destinationRect : whole;
    int x = placed.x;
    int y = placed.y;
    int sx = 0;
    int sy = 0;
    int w = source->w;
    int h = source->h;
    if (sourceRect != nullptr) {
        sx = sourceRect->x;
        sy = sourceRect->y;
        w = sourceRect->w;
        h = sourceRect->h;
        if (sx < 0) {
            w += sx;
            x -= sx;
            sx = 0;
        }
        w = std::min(w, source->w - sx);
        if (sy < 0) {
            h += sy;
            y -= sy;
            sy = 0;
        }
        h = std::min(h, source->h - sy);
    }
    const SDL_Rect& clip = destination->clip_rect;
    if (clip.x > x) {
        w -= clip.x - x;
        sx += clip.x - x;
        x = clip.x;
    }
    w -= std::max(0, x + w - clip.x - clip.w);
    if (clip.y > y) {
        h -= clip.y - y;
        sy += clip.y - y;
        y = clip.y;
    }
    h -= std::max(0, y + h - clip.y - clip.h);
    placed.x = static_cast<Sint16>(x);
    placed.y = static_cast<Sint16>(y);
    if (w <= 0 || h <= 0) {
        placed.w = 0;
        placed.h = 0;
        return 0;
    }
    placed.w = static_cast<Uint16>(w);
    placed.h = static_cast<Uint16>(h);
    return lowerBlit(source, {sx, sy, w, h}, destination, {x, y, w, h}) == 0 ? 0 : -1;
}

} // namespace sdl12
