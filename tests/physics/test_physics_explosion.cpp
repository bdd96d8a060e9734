#include "physics/u_physics_explosion.hpp"

#include "app/u_context.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"
#include "support/match_fixture.hpp"
#include "support/temp_dir.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ExplosionsTest : public MatchFixture {
protected:
    ExplosionsTest() : MatchFixture(3, 2) {
        seedRandom(5);
        context = std::make_unique<TContext>((scratch.path() / "config.txt").string());
        context->preferences.activeSounds = false;
        noise = std::make_unique<TNoise>(context->preferences);
        sendEveryoneAway();
    }

    void build(SDL_Surface* terrain, int boxes) {
        context->preferences.nbExplosifs = boxes;
        explosions = std::make_unique<TExplosionsPhy>(terrain, *damage, explosifs, *noise);
        explosifs = std::make_unique<TExplosifsManager>(*context, *explosions);
    }

    int runToTheEnd(int maxFrames) {
        int frames = 0;
        while (!explosions->allFinished() && frames < maxFrames) {
            explosions->step();
            ++frames;
        }
        return frames;
    }

    TTempDir scratch;
    std::unique_ptr<TContext> context;
    std::unique_ptr<TNoise> noise;
    std::unique_ptr<TExplosifsManager> explosifs;
    std::unique_ptr<TExplosionsPhy> explosions;
};

bool solidAt(SDL_Surface* terrain, int x, int y) {
    return pixelAt(terrain, x, y).a >= 128;
}

} // namespace

TEST_F(ExplosionsTest, BlastsCarvePushAndHurtOnlyOnceTheyComeOfAge) {
    SurfacePtr terrain = flatTerrain(600, 600, 300);
    build(terrain.get(), 0);
    teams->current = {1, 0};
    tumbok(2, 0).position = vector(330, 250);
    tumbok(2, 1).position = vector(300, 300);
    tumbok(2, 1).health = 40;

    explosions->add(vector(300.4, 299.6)); // rounds to (300, 300)
    for (int update = 1; update <= 7; ++update) {
        explosions->step();
    }
    EXPECT_TRUE(solidAt(terrain.get(), 300, 310));
    EXPECT_EQ(tumbok(2, 0).health, 100);

    explosions->step(); // the central blast acts in the 8th update
    EXPECT_FALSE(solidAt(terrain.get(), 300, 310));
    EXPECT_LT(tumbok(2, 0).health, 100);
    EXPECT_GT(tumbok(2, 0).speed.x, 0.0); // pushed away from the centre
    EXPECT_EQ(tumbok(2, 1).health, 0);
    EXPECT_EQ(stats(1).enemiesKilled, 1); // the team on turn gets the kill
    EXPECT_EQ(stats(2).kills, 0);

    EXPECT_EQ(runToTheEnd(100), 8);
    EXPECT_TRUE(explosions->allFinished());
    EXPECT_TRUE(solidAt(terrain.get(), 300, 590)); // far below the holes
}

TEST_F(ExplosionsTest, BoxesAreHitInsideTheSquareReachOnly) {
    SurfacePtr terrain = makeTerrain(800, 200);
    build(terrain.get(), 2);
    TExplosionNode node;
    node.x = 400;
    node.y = 100;
    node.radius = 100;
    explosifs->at(0).position = vector(400 + 100 - 14, 100 - 14); // centre exactly one radius away
    explosifs->at(1).position = vector(400 + 99 - 14, 100 + 99 - 14);
    EXPECT_FALSE(explosifs->blastHits(node, 0));
    EXPECT_TRUE(explosifs->blastHits(node, 1)); // explodes at once and leaves the list
    EXPECT_EQ(explosifs->count(), 1);
    EXPECT_EQ(explosions->list.size(), 1u);
    EXPECT_EQ(explosifs->at(0).position.x, 400 + 100 - 14); // the last box moved into slot 1's place
}

TEST_F(ExplosionsTest, ARowOfBoxesGoesOffInAChainThatEnds) {
    SurfacePtr terrain = flatTerrain(3200, 300, 200);
    build(terrain.get(), 100);
    for (int i = 0; i < 100; ++i) {
        explosifs->at(i).position = vector(30 + i * 31, 171);
    }
    explosions->add(vector(10, 190));
    const int frames = runToTheEnd(5000);
    EXPECT_LT(frames, 5000);
    EXPECT_EQ(explosifs->count(), 0);
    EXPECT_EQ(explosions->list.size(), 101u);

    explosions->pruneFinished();
    EXPECT_TRUE(explosions->list.empty());
}

// The terrain is a window into a larger picture whose border must never change, whatever explodes at the
// terrain's edges and corners, including a pile of 100 boxes going off together in a corner.
TEST_F(ExplosionsTest, EdgeAndCornerExplosionsAndAHundredBoxPileTouchNothingOutsideTheTerrain) {
    SurfacePtr canvas = flatTerrain(600, 600, 0, {10, 20, 30, 255});
    const int offset = 200;
    const int size = 200;
    Uint8* origin = static_cast<Uint8*>(canvas->pixels) + offset * canvas->pitch + offset * 4;
    const SDL_PixelFormat* f = canvas->format;
    SurfacePtr terrain(SDL_CreateRGBSurfaceFrom(origin, size, size, 32, canvas->pitch, f->Rmask, f->Gmask,
                                                f->Bmask, f->Amask));
    ASSERT_NE(terrain, nullptr);
    fillTerrain(terrain.get(), 0, 0, size, size);

    build(terrain.get(), 100);
    for (int i = 0; i < 100; ++i) {
        explosifs->at(i).position = vector(size - 28, size - 28);
    }
    tumbok(0, 0).position = vector(-60, 100); // beside the terrain, still within reach
    const TVector corners[] = {{0, 0}, {size - 1, 0}, {0, size - 1}, {size, size}, {-40, 100}, {100, -300}};
    for (const TVector corner : corners) {
        explosions->add(corner);
    }
    runToTheEnd(20000);
    EXPECT_EQ(explosifs->count(), 0);
    EXPECT_EQ(explosions->list.size(), 106u);
    EXPECT_LT(tumbok(0, 0).health, 100);

    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 600; ++x) {
            const bool inside = x >= offset && x < offset + size && y >= offset && y < offset + size;
            if (!inside) {
                const TRgba c = pixelAt(canvas.get(), x, y);
                ASSERT_TRUE(c.r == 10 && c.g == 20 && c.b == 30 && c.a == 255) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(solidAt(terrain.get(), 0, 0));
    EXPECT_FALSE(solidAt(terrain.get(), size - 1, size - 1));
}

TEST_F(ExplosionsTest, BoxManagerHoldsTheWantedNumberOfBoxesWithinItsLimits) {
    SurfacePtr terrain = makeTerrain(100, 100);
    const int wanted[] = {0, 10, 100, 250, -3};
    const int held[] = {0, 10, 100, 100, 0};
    for (int i = 0; i < 5; ++i) {
        build(terrain.get(), wanted[i]);
        EXPECT_EQ(explosifs->count(), held[i]);
        for (const auto& box : explosifs->list) {
            EXPECT_EQ(box->width, 28);
            EXPECT_EQ(box->height, 28);
        }
    }
    explosions->add(vector(1e300, 5)); // no pixel is that far: nothing explodes
    EXPECT_TRUE(explosions->list.empty());
}
