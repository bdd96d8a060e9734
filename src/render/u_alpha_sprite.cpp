#include "render/u_alpha_sprite.hpp"

#include "resources/u_sdl_handles.hpp"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isByteMask(Uint32 mask) {
    return mask == 0x000000FFu || mask == 0x0000FF00u || mask == 0x00FF0000u;
}

Uint32 readPixel(const SDL_Surface* surface, int x, int y) {
    Uint32 value;
    std::memcpy(&value, static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * 4,
                sizeof value);
    return value;
}

// dst × (255 − a) / 255, rounded, on the two even bytes and the odd byte at once, then the premultiplied
// source.
Uint32 over(Uint32 destination, Uint32 source, Uint32 alpha) {
    const Uint32 keep = 255 - alpha;
    Uint32 evenBytes = (destination & 0x00FF00FFu) * keep + 0x00800080u;
    Uint32 oddByte = ((destination >> 8) & 0xFFu) * keep + 0x80u;
    evenBytes = ((evenBytes + ((evenBytes >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    oddByte = ((oddByte + (oddByte >> 8)) >> 8) & 0xFFu;
    return source + evenBytes + (oddByte << 8);
}

// One row: the window's pixels under the sprite's, n of them.
void compositeRow(Uint32* line, const Uint32* colours, const Uint8* alphas,
                  [[maybe_unused]] const std::uint16_t* keeps, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(0x80);
    // d × keep / 255, rounded, on eight 16-bit channels.
    const auto scaleDown = [&](__m128i channels, __m128i keep) {
        __m128i product = _mm_add_epi16(_mm_mullo_epi16(channels, keep), half);
        return _mm_srli_epi16(_mm_add_epi16(product, _mm_srli_epi16(product, 8)), 8);
    };
    for (; i + 4 <= n; i += 4) {
        const __m128i window = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + i));
        const __m128i low = scaleDown(_mm_unpacklo_epi8(window, zero),
                                      _mm_loadu_si128(reinterpret_cast<const __m128i*>(keeps + 4 * i)));
        const __m128i high = scaleDown(_mm_unpackhi_epi8(window, zero),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(keeps + 4 * i + 8)));
        const __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(colours + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + i),
                         _mm_add_epi8(_mm_packus_epi16(low, high), source));
    }
#endif
    for (; i < n; ++i) {
        line[i] = over(line[i], colours[i], alphas[i]);
    }
}

} // namespace

bool TAlphaSprite::suits(const SDL_PixelFormat* format) {
    return format != nullptr && format->BytesPerPixel == 4 && isByteMask(format->Rmask) &&
           isByteMask(format->Gmask) && isByteMask(format->Bmask) && format->Rmask != format->Gmask &&
           format->Gmask != format->Bmask && format->Rmask != format->Bmask;
}

TAlphaSprite::TAlphaSprite(SDL_Surface* picture, const SDL_PixelFormat* target) : source_(picture) {
    if (picture == nullptr || !suits(target) || picture->format->BytesPerPixel != 4) {
        return;
    }
    usable_ = true;
    width_ = picture->w;
    height_ = picture->h;
    rmask_ = target->Rmask;
    gmask_ = target->Gmask;
    bmask_ = target->Bmask;
    rows_.resize(static_cast<std::size_t>(height_));
    colours_.resize(static_cast<std::size_t>(width_) * height_);
    alphas_.resize(colours_.size());
    keeps_.resize(colours_.size() * 4);
    const SurfaceLock lock(picture);
    for (int y = 0; y < height_; ++y) {
        TRow& row = rows_[static_cast<std::size_t>(y)];
        row.first = width_;
        for (int x = 0; x < width_; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(readPixel(picture, x, y), picture->format, &r, &g, &b, &a);
            const auto premultiply = [a](Uint8 c) { return static_cast<Uint8>((c * a + 127) / 255); };
            const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
            colours_[i] = SDL_MapRGB(const_cast<SDL_PixelFormat*>(target), premultiply(r), premultiply(g),
                                     premultiply(b));
            alphas_[i] = a;
            for (int byte = 0; byte < 3; ++byte) {
                keeps_[4 * i + byte] = static_cast<std::uint16_t>(255 - a);
            }
            if (a != 0) {
                row.first = std::min(row.first, x);
                row.end = x + 1;
            }
        }
    }
}

bool TAlphaSprite::fits(const SDL_PixelFormat* format) const {
    return usable_ && suits(format) && format->Rmask == rmask_ && format->Gmask == gmask_ &&
           format->Bmask == bmask_;
}

void TAlphaSprite::drawOnto(SDL_Surface* target, int x, int y) const {
    if (!fits(target->format)) {
        return;
    }
    const SDL_Rect& clip = target->clip_rect;
    const int top = std::max(y, static_cast<int>(clip.y));
    const int bottom = std::min(y + height_, clip.y + static_cast<int>(clip.h));
    const int clipLeft = clip.x;
    const int clipRight = clip.x + static_cast<int>(clip.w);
    auto* pixels = static_cast<Uint8*>(target->pixels);
    for (int ty = top; ty < bottom; ++ty) {
        const int sy = ty - y;
        const TRow& row = rows_[static_cast<std::size_t>(sy)];
        const int left = std::max(x + row.first, clipLeft);
        const int right = std::min(x + row.end, clipRight);
        if (left >= right) {
            continue;
        }
        Uint32* line = reinterpret_cast<Uint32*>(pixels + ty * target->pitch) + left;
        const std::size_t from = static_cast<std::size_t>(sy) * width_ + (left - x);
        compositeRow(line, colours_.data() + from, alphas_.data() + from, keeps_.data() + 4 * from,
                     right - left);
    }
}
