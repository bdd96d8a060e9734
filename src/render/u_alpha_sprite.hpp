// A small picture with alpha made ready to be composited straight into the 32-bit window many times a
// frame: colours premultiplied in the window's format, fully transparent margins of each row skipped. It
// spares the per-call cost of a blit, which dominates for hundreds of tiny pictures.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

class TAlphaSprite {
public:
    // Prepared for targets of this pixel format; unusable (drawOnto draws nothing) when the format is not
    // 32-bit with one byte per colour in the low three bytes.
    TAlphaSprite(SDL_Surface* picture, const SDL_PixelFormat* target);

    static bool suits(const SDL_PixelFormat* format);
    // Whether a target of this format can take the sprite.
    bool fits(const SDL_PixelFormat* format) const;
    // Composites with its top-left corner at (x, y), clipped to the target's clip rectangle. The caller
    // holds the target locked.
    void drawOnto(SDL_Surface* target, int x, int y) const;

    bool usable() const { return usable_; }
    // Whether it was prepared from this very picture.
    bool madeFrom(const SDL_Surface* picture) const { return picture == source_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    struct TRow {
        int first = 0;
        int end = 0; // one past the last pixel with any alpha
    };

    const SDL_Surface* source_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool usable_ = false;
    Uint32 rmask_ = 0, gmask_ = 0, bmask_ = 0;
    std::vector<TRow> rows_;
    std::vector<Uint32> colours_; // premultiplied, in the target's format
    std::vector<Uint8> alphas_;
    // 255 - alpha for each colour byte of each pixel (0 for the fourth byte), for four pixels at a time.
    std::vector<std::uint16_t> keeps_;
};
