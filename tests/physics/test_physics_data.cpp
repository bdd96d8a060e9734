#include "physics/u_physics_data.hpp"

#include "resources/u_random.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

bool solid(SDL_Surface* terrain, double x, double y) {
    return isSolid(terrain, vector(x, y));
}

// Ground whose top row is y = 50 left of x = 55 and y = 45 from x = 55 on.
SurfacePtr stepTerrain() {
    SurfacePtr terrain = makeTerrain(100, 100);
    fillTerrain(terrain.get(), 0, 50, 55, 50);
    fillTerrain(terrain.get(), 55, 45, 45, 55);
    return terrain;
}

} // namespace

TEST(PhysicsData, SolidFromAlpha128AndEmptyOutside) {
    SurfacePtr terrain = makeTerrain(10, 10);
    fillTerrain(terrain.get(), 2, 3, 1, 1, {10, 20, 30, 128});
    fillTerrain(terrain.get(), 4, 3, 1, 1, {10, 20, 30, 127});
    fillTerrain(terrain.get(), 0, 9, 10, 1);
    EXPECT_TRUE(solid(terrain.get(), 2, 3));
    EXPECT_FALSE(solid(terrain.get(), 4, 3));
    // Real points round halves to even: 2.5 -> 2, 3.5 -> 4, 2.4 -> 2.
    EXPECT_TRUE(solid(terrain.get(), 2.5, 3.4));
    EXPECT_FALSE(solid(terrain.get(), 3.5, 3.0));
    // The bottom row is solid up to the edges, and nothing beyond them is.
    EXPECT_TRUE(solid(terrain.get(), 0, 9));
    EXPECT_TRUE(solid(terrain.get(), 9, 9));
    for (const auto& [x, y] : std::vector<std::pair<double, double>>{
             {-1, 9}, {10, 9}, {5, 10}, {5, -1}, {-0.6, 9}, {9.6, 9}, {NAN, 9}, {5, 1e300}}) {
        EXPECT_FALSE(solid(terrain.get(), x, y)) << x << ", " << y;
    }
    EXPECT_EQ(getPixel(terrain.get(), -1, 9), 0u);
    EXPECT_EQ(getPixel(terrain.get(), 10, 9), 0u);
    EXPECT_EQ(getPixel(terrain.get(), 0, 10), 0u);
    EXPECT_EQ(getPixel(terrain.get(), 2, 3), rawPixel(terrain.get(), 2, 3));
}

TEST(PhysicsData, SetPixelWritesOnlyInsideThePicture) {
    // A 4 x 4 view into the middle of an 8 x 8 picture: writes beyond the view would show in the frame.
    SurfacePtr frame = flatTerrain(8, 8, 0);
    const SDL_PixelFormat* f = frame->format;
    SurfacePtr view(SDL_CreateRGBSurfaceFrom(static_cast<Uint8*>(frame->pixels) + 2 * frame->pitch + 2 * 4, 4,
                                             4, 32, frame->pitch, f->Rmask, f->Gmask, f->Bmask, f->Amask));
    ASSERT_TRUE(view);
    for (const auto& [x, y] :
         std::vector<std::pair<double, double>>{{-1, 0}, {4, 0}, {0, -1}, {0, 4}, {-1, -1}}) {
        setPixel(0, vector(x, y), view.get());
    }
    carveCircle(view.get(), 3, 0, 0);
    carveCircle(view.get(), 30, 3, 3);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inView = x >= 2 && x < 6 && y >= 2 && y < 6;
            if (!inView) {
                EXPECT_EQ(pixelAt(frame.get(), x, y).b, 100) << x << ", " << y;
                EXPECT_EQ(pixelAt(frame.get(), x, y).a, 255) << x << ", " << y;
            }
        }
    }
    EXPECT_FALSE(solid(view.get(), 0, 0));
    setPixel(rawPixel(frame.get(), 0, 0), vector(1, 2), view.get());
    EXPECT_TRUE(solid(view.get(), 1, 2));
}

TEST(PhysicsData, DarkenKeepsAlphaAndRoundsHalvesToEven) {
    SurfacePtr terrain = makeTerrain(4, 1);
    fillTerrain(terrain.get(), 0, 0, 1, 1, {255, 100, 3, 200});
    fillTerrain(terrain.get(), 1, 0, 1, 1, {255, 255, 255, 100});
    darkenPixel(terrain.get(), vector(0, 0), 50);
    const TRgba darkened = pixelAt(terrain.get(), 0, 0);
    EXPECT_EQ(darkened.r, 127); // 255 - round(127.5) = 255 - 128
    EXPECT_EQ(darkened.g, 50);
    EXPECT_EQ(darkened.b, 1); // 3 - round(1.5) = 3 - 2
    EXPECT_EQ(darkened.a, 200);
    darkenPixel(terrain.get(), vector(1, 0), 50); // not solid: left alone
    EXPECT_EQ(pixelAt(terrain.get(), 1, 0).r, 255);
    darkenPixel(terrain.get(), vector(9, 0), 50); // outside: nothing
}

TEST(PhysicsData, DarkenFollowsTheFormulaForEveryChannelValueAndAnyPercent) {
    SurfacePtr terrain = makeTerrain(256, 1);
    for (int c = 0; c < 256; ++c) {
        const auto v = static_cast<Uint8>(c);
        fillTerrain(terrain.get(), c, 0, 1, 1, {v, v, v, 255});
    }
    for (const int percent : {37, 150}) {
        SurfacePtr copy = makeTerrain(256, 1);
        SDL_SetAlpha(terrain.get(), 0, 255);
        SDL_BlitSurface(terrain.get(), nullptr, copy.get(), nullptr);
        for (int c = 0; c < 256; ++c) {
            darkenPixel(copy.get(), vector(c, 0), percent);
            const int expected =
                std::clamp(c - static_cast<int>(std::nearbyint(c * percent / 100.0)), 0, 255);
            ASSERT_EQ(pixelAt(copy.get(), c, 0).g, expected) << "value " << c << " at " << percent << " %";
            ASSERT_EQ(pixelAt(copy.get(), c, 0).a, 255);
        }
    }
}

TEST(PhysicsData, CarveClearsTheHoleAndBurnsTheRing) {
    SurfacePtr terrain = flatTerrain(200, 200, 0);
    carveCircle(terrain.get(), 10, 100, 100);
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{100, 100}, {110, 100}, {90, 100}, {100, 90}, {105, 105}}) {
        EXPECT_FALSE(solid(terrain.get(), x, y)) << x << ", " << y;
    }
    // On an axis a circle touches its point twice: at 11 px the 50 % circle darkens 150 -> 75 -> 38 (37.5 up
    // to even 38, then 75 - 38 = 37); at 60 px the 1 % circle turns 100 into 99 and then 98.
    EXPECT_EQ(pixelAt(terrain.get(), 111, 100).g, 37);
    EXPECT_EQ(pixelAt(terrain.get(), 111, 100).a, 255);
    EXPECT_EQ(pixelAt(terrain.get(), 160, 100).b, 98);
    EXPECT_EQ(pixelAt(terrain.get(), 161, 100).b, 100);
    EXPECT_EQ(pixelAt(terrain.get(), 100, 39).b, 100);
}

TEST(PhysicsData, CarveOfRadiusZeroClearsOnlyTheCentre) {
    SurfacePtr terrain = flatTerrain(120, 120, 0);
    carveCircle(terrain.get(), 0, 60, 60);
    EXPECT_FALSE(solid(terrain.get(), 60, 60));
    EXPECT_TRUE(solid(terrain.get(), 61, 60));
    EXPECT_EQ(pixelAt(terrain.get(), 61, 60).r, 50);   // 200 -> 100 -> 50 by the 50 % circle
    EXPECT_EQ(pixelAt(terrain.get(), 110, 60).r, 196); // 200 -> 198 -> 196 by the 1 % circle
}

namespace {

// The carve as first written, one pixel at a time through SDL's own colour calls: the oracle for the
// fast carve.
void referenceDarken(SDL_Surface* s, int x, int y, int percent) {
    if (x < 0 || y < 0 || x >= s->w || y >= s->h) {
        return;
    }
    Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 pixel = 0;
    std::memcpy(&pixel, p, s->format->BytesPerPixel);
    Uint8 c[4];
    SDL_GetRGBA(pixel, s->format, &c[0], &c[1], &c[2], &c[3]);
    if (s->format->Amask != 0 && c[3] < 128) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        c[i] = static_cast<Uint8>(
            std::clamp(c[i] - static_cast<int>(std::nearbyint(c[i] * percent / 100.0)), 0, 255));
    }
    pixel = SDL_MapRGBA(s->format, c[0], c[1], c[2], c[3]);
    std::memcpy(p, &pixel, s->format->BytesPerPixel);
}

void referenceClear(SDL_Surface* s, int x, int y) {
    if (x >= 0 && y >= 0 && x < s->w && y < s->h) {
        std::memset(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel, 0,
                    s->format->BytesPerPixel);
    }
}

void referenceCarve(SDL_Surface* s, int radius, int cx, int cy) {
    const int outer = radius + 50;
    int ring = 1;
    for (int k = outer; k >= 1; --k, ++ring) {
        const auto touch = [&](int px, int py) {
            if (k > radius) {
                referenceDarken(s, px, py, ring);
            } else {
                referenceClear(s, px, py);
            }
        };
        int x = 0;
        int y = k;
        int d = k;
        while (y >= x) {
            for (const auto& [px, py] : {std::pair{cx + x, cy + y},
                                         {cx - x, cy + y},
                                         {cx + x, cy - y},
                                         {cx - x, cy - y},
                                         {cx + y, cy + x},
                                         {cx - y, cy + x},
                                         {cx + y, cy - x},
                                         {cx - y, cy - x}}) {
                touch(px, py);
            }
            if (2 * x <= d) {
                d -= 2 * x + 1;
                ++x;
            } else if (2 * (outer - y) > d) {
                d += 2 * y - 1;
                --y;
            } else {
                d += 2 * (y - x - 1);
                --y;
                ++x;
            }
        }
    }
    referenceClear(s, cx, cy);
}

// Every pixel of random colour and alpha, drawn from the game's seeded generator.
void fillAtRandom(SDL_Surface* s) {
    SurfaceLock lock(s);
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const Uint32 pixel =
                SDL_MapRGBA(s->format, static_cast<Uint8>(Random(256)), static_cast<Uint8>(Random(256)),
                            static_cast<Uint8>(Random(256)), static_cast<Uint8>(Random(256)));
            std::memcpy(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel, &pixel,
                        s->format->BytesPerPixel);
        }
    }
}

bool samePixels(SDL_Surface* a, SDL_Surface* b) {
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<const Uint8*>(b->pixels) + y * b->pitch,
                        static_cast<std::size_t>(a->w) * a->format->BytesPerPixel) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(PhysicsData, CarveMatchesThePixelByPixelCarveForEveryRadiusAndPlace) {
    seedRandom(11);
    const int w = 230;
    const int h = 190;
    // The display's own alpha format, as every loaded terrain is, and a 16-bit one with 4-bit channels.
    SurfacePtr formats[] = {
        createSurface(w, h, true),
        SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0x0f00, 0x00f0, 0x000f, 0xf000))};
    for (SurfacePtr& picture : formats) {
        ASSERT_TRUE(picture);
        fillAtRandom(picture.get());
        const bool wide = picture->format->BytesPerPixel == 4;
        const std::pair<int, int> centres[] = {{w / 2, h / 2}, {0, 0},     {w - 1, h - 1}, {w / 2, 0},
                                               {0, h / 2},     {w - 1, 7}, {-30, h + 20},  {w + 200, h / 2}};
        for (int radius = 0; radius <= 70; radius += wide ? 1 : 7) {
            for (const auto& [cx, cy] : centres) {
                SurfacePtr expected = rawCopy(picture.get());
                SurfacePtr carved = rawCopy(picture.get());
                referenceCarve(expected.get(), radius, cx, cy);
                carveCircle(carved.get(), radius, cx, cy);
                ASSERT_TRUE(samePixels(expected.get(), carved.get()))
                    << picture->format->BitsPerPixel << " bits, radius " << radius << " at " << cx << ", "
                    << cy;
            }
        }
    }
    // The oracle itself: the centre is cleared and the burnt ring reaches 50 pixels past the hole.
    SurfacePtr flat = flatTerrain(200, 200, 0);
    referenceCarve(flat.get(), 20, 100, 100);
    EXPECT_EQ(pixelAt(flat.get(), 100, 100).a, 0);
    EXPECT_EQ(pixelAt(flat.get(), 170, 100).b, 98);
    EXPECT_EQ(pixelAt(flat.get(), 171, 100).b, 100);
}

TEST(PhysicsData, SurfaceDirectionFollowsTheGround) {
    SurfacePtr flat = flatTerrain(100, 100, 50);
    TVector direction;
    for (const TDirection side : {TDirection::DirectionLeft, TDirection::DirectionRight}) {
        ASSERT_TRUE(surfaceDirection(vector(50, 50), flat.get(), side, 10, direction));
        EXPECT_EQ(direction, vector(1, 0));
        // From the air the probe walks down to the ground: a boundary 20 rows below.
        ASSERT_TRUE(surfaceDirection(vector(50, 30), flat.get(), side, 10, direction));
        const double h = side == TDirection::DirectionRight ? 19 : -19;
        EXPECT_NEAR(direction.x, 10 / std::hypot(10, 19), 1e-12);
        EXPECT_NEAR(direction.y, h / std::hypot(10, 19), 1e-12);
    }

    // The ground rises by 5 rows at x = 55: up to the right, flat to the left.
    SurfacePtr step = stepTerrain();
    ASSERT_TRUE(surfaceDirection(vector(50, 50), step.get(), TDirection::DirectionRight, 10, direction));
    EXPECT_NEAR(direction.x, 10 / std::hypot(10, 5), 1e-12);
    EXPECT_NEAR(direction.y, -5 / std::hypot(10, 5), 1e-12);
    ASSERT_TRUE(surfaceDirection(vector(60, 45), step.get(), TDirection::DirectionLeft, 10, direction));
    // The last empty row of the probe column is 4 below p: from the lower left up to p.
    EXPECT_NEAR(direction.x, 10 / std::hypot(10, 4), 1e-12);
    EXPECT_NEAR(direction.y, -4 / std::hypot(10, 4), 1e-12);
}

TEST(PhysicsData, SurfaceDirectionWithoutBoundary) {
    SurfacePtr empty = makeTerrain(100, 100);
    TVector direction = vector(7, 7);
    EXPECT_FALSE(surfaceDirection(vector(50, 50), empty.get(), TDirection::DirectionRight, 0, direction));
    EXPECT_EQ(direction, vector(7, 7));
    EXPECT_FALSE(surfaceDirection(vector(50, 50), empty.get(), TDirection::DirectionRight, 10, direction));
    EXPECT_EQ(direction, vector(0, 1));

    // The probe column lies outside the picture.
    SurfacePtr full = flatTerrain(100, 100, 0);
    EXPECT_FALSE(surfaceDirection(vector(95, 50), full.get(), TDirection::DirectionRight, 10, direction));
    EXPECT_EQ(direction, vector(0, 1));
    // Fully solid: the picture's bottom edge is the first boundary met (row 100 is empty, h = 49).
    ASSERT_TRUE(surfaceDirection(vector(50, 50), full.get(), TDirection::DirectionRight, 10, direction));
    EXPECT_NEAR(direction.y, 49 / std::hypot(10, 49), 1e-12);
}

TEST(PhysicsData, BrokenTerrainReadsAsEmpty) {
    SurfacePtr broken = createSurface(0, 0, true);
    EXPECT_FALSE(solid(broken.get(), 0, 0));
    EXPECT_EQ(getPixel(broken.get(), 0, 0), 0u);
    setPixel(1, vector(0, 0), broken.get());
    darkenPixel(broken.get(), vector(0, 0), 10);
    carveCircle(broken.get(), 20, 0, 0);
    TVector direction;
    EXPECT_FALSE(surfaceDirection(vector(0, 0), broken.get(), TDirection::DirectionLeft, 10, direction));
    EXPECT_FALSE(solid(nullptr, 0, 0));
}
