// SDL 1.2's blit rules the game's pictures rely on. These hold for sdl12-compat and for the game's own layer
// over SDL2 alike, which is why they are tested in both builds.
#include "support/pixels.hpp"

#include "resources/u_sdl_handles.hpp"

#include <gtest/gtest.h>

namespace {

SurfacePtr argb(TRgba colour) {
    SurfacePtr surface(SDL_CreateRGBSurface(0, 2, 1, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000));
    fillSurface(surface.get(), colour);
    return surface;
}

TRgba blitted(SDL_Surface* source, TRgba under) {
    SurfacePtr target = argb(under);
    SDL_BlitSurface(source, nullptr, target.get(), nullptr);
    return pixelAt(target.get(), 0, 0);
}

} // namespace

TEST(Sdl12Blits, BlendsKeepTheDestinationAlphaAndUnflaggedSourcesAreCopied) {
    const SurfacePtr half = argb({200, 100, 0, 128});
    const TRgba blend = blitted(half.get(), {0, 0, 200, 60});
    EXPECT_EQ(blend.a, 60);
    EXPECT_NEAR(blend.r, 100, 1);
    EXPECT_NEAR(blend.b, 100, 1);

    SDL_SetAlpha(half.get(), SDL_SRCALPHA, 10); // the surface's own alpha is ignored beside an alpha channel
    EXPECT_EQ(blitted(half.get(), {0, 0, 200, 60}), blend);
    EXPECT_EQ(half->format->alpha, SDL_ALPHA_OPAQUE);

    SDL_SetAlpha(half.get(), 0, SDL_ALPHA_OPAQUE);
    EXPECT_EQ(blitted(half.get(), {0, 0, 200, 60}), (TRgba{200, 100, 0, 128}));
}

TEST(Sdl12Blits, ClippingLeavesTheDrawnRectangleInTheDestinationRectangle) {
    const SurfacePtr source = argb({1, 2, 3, 255});
    SurfacePtr target = argb({0, 0, 0, 0});
    SDL_Rect from = {-1, 0, 2, 1};
    SDL_Rect at = {1, 0, 0, 0};
    SDL_BlitSurface(source.get(), &from, target.get(), &at);
    EXPECT_EQ(topLeft(at), std::make_pair(2, 0));
    EXPECT_EQ(at.w, 0); // moved past the right edge: nothing drawn
    EXPECT_EQ(from.x, -1);
    SDL_Rect fill = {-3, 0, 4, 9};
    SDL_FillRect(target.get(), &fill, 0);
    EXPECT_EQ(topLeft(fill), std::make_pair(0, 0));
    EXPECT_EQ(fill.w, 1);
    EXPECT_EQ(fill.h, 1);
}
