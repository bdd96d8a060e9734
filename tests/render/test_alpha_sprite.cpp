// The sprite compositor the smoke uses instead of blits: same colours as a blit, clipped to the window.
#include "render/u_alpha_sprite.hpp"

#include "render/render_scene.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace render_test;

namespace {

// A 16 x 16 picture: a transparent border of 2, then alpha growing from the left, colour by row.
SurfacePtr softPicture() {
    SurfacePtr picture = createSurface(16, 16, true);
    fillSurface(picture.get(), {0, 0, 0, 0});
    const SurfaceLock lock(picture.get());
    for (int y = 2; y < 14; ++y) {
        for (int x = 2; x < 14; ++x) {
            setPixel(picture.get(), x, y,
                     {static_cast<Uint8>(200 - 10 * y), 90, static_cast<Uint8>(20 * x),
                      static_cast<Uint8>(x * 21)});
        }
    }
    SDL_SetAlpha(picture.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    return picture;
}

int channelDistance(TRgba a, TRgba b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// The 16 x 16 squares of the window at (ax, ay) and at (bx, by) agree within the blends' rounding.
void expectSameSquares(int ax, int ay, int bx, int by) {
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_LE(channelDistance(screenPixel(ax + x, ay + y), screenPixel(bx + x, by + y)), 2)
                << x << ", " << y;
        }
    }
}

} // namespace

// SDL's own blend divides by 256 where this one rounds a division by 255: they may differ by 2.
TEST(AlphaSprite, CompositesLikeABlit) {
    TRenderScene scene(900, 700);
    SDL_Surface* screen = scene.display.screen;
    const SurfacePtr picture = softPicture();
    const TAlphaSprite sprite(picture.get(), screen->format);
    ASSERT_TRUE(sprite.fits(screen->format));

    SDL_Rect at = {100, 100, 0, 0};
    SDL_BlitSurface(picture.get(), nullptr, screen, &at);
    {
        const SurfaceLock lock(screen);
        sprite.drawOnto(screen, 200, 100);
    }
    expectSameSquares(100, 100, 200, 100);
    EXPECT_EQ(screenPixel(201, 101), backdrop) << "transparent margin left alone";

    // Clipped to seven columns: four pixels at a time, then three one by one.
    SDL_Rect clip = {0, 0, 409, 600};
    SDL_SetClipRect(screen, &clip);
    SDL_Rect clipped = {400, 100, 0, 0};
    SDL_BlitSurface(picture.get(), nullptr, screen, &clipped);
    {
        const SurfaceLock lock(screen);
        sprite.drawOnto(screen, 400, 200);
    }
    SDL_SetClipRect(screen, nullptr);
    expectSameSquares(400, 100, 400, 200);
    EXPECT_EQ(screenPixel(409, 205), backdrop);
}

TEST(AlphaSprite, IsClippedToTheWindowOnEverySide) {
    TRenderScene scene(900, 700);
    SDL_Surface* screen = scene.display.screen;
    const SurfacePtr opaque = solidPicture(16, 16, green);
    const TAlphaSprite sprite(opaque.get(), screen->format);
    {
        const SurfaceLock lock(screen);
        for (const auto& [x, y] :
             {std::pair{-8, -8}, std::pair{792, 592}, std::pair{-8, 592}, std::pair{792, -8},
              std::pair{-16, 0}, std::pair{800, 300}, std::pair{-100000, 5}}) {
            sprite.drawOnto(screen, x, y);
        }
    }
    expectScreen({{0, 0, green}, {7, 7, green}, {799, 599, green}, {0, 599, green}, {799, 0, green}});
    EXPECT_EQ(changedPixels(), 4 * 64) << "only the four quarters inside the window";
}

TEST(AlphaSprite, RefusesTargetsItWasNotPreparedFor) {
    TRenderScene scene(900, 700);
    const SurfacePtr opaque = solidPicture(4, 4, green);
    SurfacePtr narrow(SDL_CreateRGBSurface(0, 8, 8, 16, 0xF800, 0x07E0, 0x001F, 0));
    const TAlphaSprite forNarrow(opaque.get(), narrow->format);
    EXPECT_FALSE(forNarrow.fits(narrow->format));
    EXPECT_FALSE(TAlphaSprite::suits(narrow->format));
    const TAlphaSprite forScreen(opaque.get(), scene.display.screen->format);
    SurfacePtr swapped(SDL_CreateRGBSurface(0, 8, 8, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0));
    ASSERT_NE(swapped->format->Rmask, scene.display.screen->format->Rmask);
    EXPECT_FALSE(forScreen.fits(swapped->format)) << "colours in other places";
    EXPECT_TRUE(forScreen.fits(scene.display.screen->format));
}
