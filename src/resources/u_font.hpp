// The monospaced bitmap font in three sizes; text becomes a new transparent surface.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <string>

enum class TSize : std::uint8_t { SizeBig = 0, SizeMedium = 1, SizeSmall = 2 };

class TFont {
public:
    // Loads the three strips from the data directory.
    TFont();
    TFont(SurfacePtr big, SurfacePtr medium, SurfacePtr small);

    SDL_Rect charSize(TSize size) const;
    SDL_Rect charRect(char character, TSize size) const;
    SDL_Rect textSize(const std::string& text, TSize size) const;
    // The caller owns the result; its background pixel is written as given (alpha 0 for SDL_MapRGB values).
    SurfacePtr renderText(const std::string& text, TSize size, Uint32 background) const;

    SurfacePtr imageBig;
    SurfacePtr imageMedium;
    SurfacePtr imageSmall;

private:
    const SDL_Surface* image(TSize size) const;
};
