#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"

#include <gtest/gtest.h>

TEST(SurfaceUtils, CreatedSurfacesShareTheDisplayFormat) {
    const SurfacePtr opaque = createSurface(10, 5, false);
    const SurfacePtr alpha = createSurface(10, 5, true);
    EXPECT_EQ(opaque->w, 10);
    EXPECT_EQ(opaque->h, 5);
    EXPECT_EQ(opaque->format->BitsPerPixel, 32);
    EXPECT_EQ(opaque->format->Amask, 0u);
    EXPECT_NE(alpha->format->Amask, 0u);
    EXPECT_EQ(createSurface(-4, 3, true)->w, 0);
}

TEST(SurfaceUtils, TransparentPartsOfCreatedSurfacesStayTransparentWhenBlitted) {
    SurfacePtr text = createSurface(4, 4, true);
    fillSurface(text.get(), {0, 0, 0, 0});
    setPixel(text.get(), 1, 1, {255, 255, 255, 255});
    SurfacePtr target = createSurface(4, 4, false);
    fillSurface(target.get(), {0, 0, 200, 255});
    SDL_BlitSurface(text.get(), nullptr, target.get(), nullptr);
    EXPECT_EQ(pixelAt(target.get(), 0, 0).b, 200);
    EXPECT_EQ(pixelAt(target.get(), 1, 1).r, 255);
}

TEST(SurfaceUtils, InflateGrowsAndShrinksButNeverBelowZero) {
    SDL_Rect rect = {5, 5, 1, 1};
    inflateRect(rect, -1);
    EXPECT_EQ(rect.x, 6);
    EXPECT_EQ(rect.y, 6);
    EXPECT_EQ(rect.w, 0);
    EXPECT_EQ(rect.h, 0);
    SDL_Rect grow = {0, 0, 10, 4};
    inflateRect(grow, 3);
    EXPECT_EQ(grow.x, -3);
    EXPECT_EQ(grow.w, 16);
    EXPECT_EQ(grow.h, 10);
}

TEST(SurfaceUtils, ClippingCutsAtEveryEdge) {
    const SurfacePtr source = createSurface(20, 10, true);
    const SurfacePtr destination = createSurface(30, 30, true);

    SDL_Rect leftOff = {-5, 2, 0, 0};
    TBlitRects r = clipBlitRects(source.get(), destination.get(), nullptr, &leftOff);
    EXPECT_EQ(r.source.x, 5);
    EXPECT_EQ(r.source.w, 15);
    EXPECT_EQ(r.destination.x, 0);
    EXPECT_EQ(r.destination.y, 2);

    SDL_Rect rightOff = {25, 25, 0, 0};
    r = clipBlitRects(source.get(), destination.get(), nullptr, &rightOff);
    EXPECT_EQ(r.source.w, 5);
    EXPECT_EQ(r.source.h, 5);

    SDL_Rect window = {15, 0, 100, 100};
    SDL_Rect origin = {0, 0, 0, 0};
    r = clipBlitRects(source.get(), destination.get(), &window, &origin);
    EXPECT_EQ(r.source.x, 15);
    EXPECT_EQ(r.source.w, 5);
    EXPECT_EQ(r.source.h, 10);

    // Far off the top-left: nothing, and no 16-bit wrap-around into a huge window.
    SDL_Rect farOff = {-30000, -30000, 0, 0};
    r = clipBlitRects(source.get(), destination.get(), nullptr, &farOff);
    EXPECT_EQ(r.source.w, 0);
    EXPECT_EQ(r.source.h, 0);
    SDL_Rect beyond = {31000, 5, 0, 0};
    r = clipBlitRects(source.get(), destination.get(), nullptr, &beyond);
    EXPECT_EQ(r.source.w, 0);
}

TEST(SurfaceUtils, BlendArithmeticAccumulatesAlpha) {
    SurfacePtr source = createSurface(3, 1, true);
    SurfacePtr destination = createSurface(3, 1, true);
    setPixel(source.get(), 0, 0, {200, 100, 50, 255});
    setPixel(source.get(), 1, 0, {200, 100, 50, 128});
    setPixel(source.get(), 2, 0, {200, 100, 50, 0});
    setPixel(destination.get(), 0, 0, {10, 20, 30, 77});
    setPixel(destination.get(), 1, 0, {10, 20, 30, 0});
    setPixel(destination.get(), 2, 0, {10, 20, 30, 90});
    blendSurface(source.get(), nullptr, destination.get(), nullptr);

    EXPECT_EQ(pixelAt(destination.get(), 0, 0), (TRgba{200, 100, 50, 255}));
    // Onto transparency: colour trunc(128 / 255 x source), the source's alpha.
    EXPECT_EQ(pixelAt(destination.get(), 1, 0), (TRgba{100, 50, 25, 128}));
    // A transparent source leaves the destination as it was.
    EXPECT_EQ(pixelAt(destination.get(), 2, 0), (TRgba{10, 20, 30, 90}));
}

TEST(SurfaceUtils, BlendOfHalfOnHalfMixesBothAndGrowsAlpha) {
    SurfacePtr source = createSurface(1, 1, true);
    SurfacePtr destination = createSurface(1, 1, true);
    setPixel(source.get(), 0, 0, {255, 0, 0, 128});
    setPixel(destination.get(), 0, 0, {0, 0, 255, 128});
    blendSurface(source.get(), nullptr, destination.get(), nullptr);
    const double as = 128 / 255.0;
    const double k = as * (1 - as) / (as + as);
    const TRgba result = pixelAt(destination.get(), 0, 0);
    EXPECT_EQ(result.r, static_cast<int>(as * 255));
    EXPECT_EQ(result.b, static_cast<int>(k * 255));
    EXPECT_EQ(result.a, 128 + 128 - (128 * 128) / 255);
}

TEST(SurfaceUtils, BlendSkipsColumnsLeftOfTheDestination) {
    SurfacePtr source = createSurface(4, 1, true);
    SurfacePtr destination = createSurface(4, 1, true);
    fillSurface(destination.get(), {0, 0, 0, 0});
    for (int x = 0; x < 4; ++x) {
        setPixel(source.get(), x, 0, {static_cast<Uint8>(10 * (x + 1)), 0, 0, 255});
    }
    SDL_Rect at = {-2, 0, 0, 0};
    blendSurface(source.get(), nullptr, destination.get(), &at);
    EXPECT_EQ(pixelAt(destination.get(), 0, 0).r, 30);
    EXPECT_EQ(pixelAt(destination.get(), 1, 0).r, 40);
    EXPECT_EQ(pixelAt(destination.get(), 2, 0).a, 0);
    EXPECT_EQ(at.x, -2); // rectangles are left as they were
}
