#include "physics/u_physics_collisions.hpp"

#include "support/match_fixture.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr int groundTop = 60; // the test ground: 100 x 100, solid from row 60 down

class CollisionsTest : public MatchFixture {
protected:
    CollisionsTest() : terrain(flatTerrain(100, 100, groundTop)) {
        collisions = std::make_unique<TCollisions>(terrain.get(), *teams, *damage, messages);
    }

    // A body of any kind that has just been moved to position with the given speed.
    template <class TBody> static TBody moving(TBody body, TVector position, TVector speed = vector(0, 0)) {
        body.position = position;
        body.speed = speed;
        return body;
    }
    // The same for a tumbok of team 1.
    TTumbok& movingTumbok(TVector position, TVector speed) {
        return tumbok(1, 0) = moving(tumbok(1, 0), position, speed);
    }

    bool step(TObject& body, bool sweep, bool bounce = true) {
        return collisions->collide(body, sweep, outOfMap, bounce);
    }

    SurfacePtr terrain;
    std::unique_ptr<TCollisions> collisions;
    bool outOfMap = true;
};

void expectNear(TVector actual, TVector expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace

TEST_F(CollisionsTest, SupportTestLooksOneRowUnderTheBodyAndOnePixelBeyondEachSide) {
    TTumbok& t = movingTumbok(vector(20, 19), vector(0, 0));
    TVector foot;
    EXPECT_FALSE(collisions->isInAir(t, foot));
    EXPECT_EQ(foot, vector(19, 60));
    t.position = vector(20, 18); // row 59 is empty
    EXPECT_TRUE(collisions->isInAir(t, foot));
    EXPECT_EQ(foot, vector(27, 59));
    // Hanging off the left edge: only the column beyond its right side is in the picture.
    t.position = vector(-7, 19);
    EXPECT_FALSE(collisions->isInAir(t, foot));
    EXPECT_EQ(foot, vector(0, 60));
    t.position = vector(-8, 19);
    EXPECT_TRUE(collisions->isInAir(t, foot));
}

TEST_F(CollisionsTest, OverlapProbesTheBorderAndTheSidesOnlyNearTheTop) {
    SurfacePtr dots = makeTerrain(50, 80);
    TCollisions probe(dots.get(), *teams, *damage, messages);
    TTumbok& t = movingTumbok(vector(10, 10), vector(0, 0));
    TVector contact = vector(-1, -1);
    fillTerrain(dots.get(), 10, 30, 1, 1); // left side, 20 rows down: below the sampled w + 1 rows
    EXPECT_FALSE(probe.overlaps(t, contact));
    EXPECT_EQ(contact, vector(-1, -1));
    fillTerrain(dots.get(), 16, 16, 1, 1); // right side, 6 rows down: the last sampled row
    ASSERT_TRUE(probe.overlaps(t, contact));
    EXPECT_EQ(contact, vector(16, 16));
    fillTerrain(dots.get(), 13, 10, 1, 1); // top edge, found before the sides
    ASSERT_TRUE(probe.overlaps(t, contact));
    EXPECT_EQ(contact, vector(13, 10));
    fillTerrain(dots.get(), 14, 50, 1, 1); // bottom edge, found first of all
    ASSERT_TRUE(probe.overlaps(t, contact));
    EXPECT_EQ(contact, vector(14, 50));
}

TEST_F(CollisionsTest, SlowLandingStopsOnTheGround) {
    TTumbok& t = movingTumbok(vector(20, 20.4), vector(0, 100)); // bottom row 60.4 lies in the ground
    EXPECT_FALSE(step(t, false));
    EXPECT_FALSE(outOfMap);
    expectNear(t.position, vector(20, 19.4)); // one pixel back up
    EXPECT_EQ(t.speed, vector(0, 0));
    EXPECT_EQ(t.health, 100);
    TVector foot;
    EXPECT_FALSE(collisions->isInAir(t, foot));
}

TEST_F(CollisionsTest, HardLandingHurtsByTheSpeedAbove500) {
    struct Case {
        double speed;
        int health;
        bool hard;
    };
    for (const Case c :
         {Case{500, 100, false}, Case{510, 100, true}, Case{520, 99, true}, Case{700, 90, true}}) {
        TTumbok& t = movingTumbok(vector(20, 20.4), vector(0, c.speed));
        t.health = 100;
        EXPECT_EQ(step(t, false), c.hard) << c.speed;
        EXPECT_EQ(t.health, c.health) << c.speed;
        // Flat ground: the bounce reverses the vertical speed, keeping 30 %.
        expectNear(t.speed, vector(0, -0.3 * c.speed));
    }
    TExplosif box = moving(TExplosif(), vector(40, 32.4), vector(0, 501));
    EXPECT_TRUE(step(box, false)); // a box landing hard is reported (it explodes)
    box = moving(box, vector(40, 32.4), vector(0, 500));
    EXPECT_FALSE(step(box, false));
}

TEST_F(CollisionsTest, AtTheBounceThresholdABodyStopsDead) {
    TTumbok& t = movingTumbok(vector(20, 20.4), vector(0, 200));
    step(t, false);
    EXPECT_EQ(t.speed, vector(0, 0));
    t = movingTumbok(vector(20, 20.4), vector(0, 201));
    step(t, false);
    expectNear(t.speed, vector(0, -60.3));
}

TEST_F(CollisionsTest, GrenadeBouncesOffFlatGroundWithSixtyPercent) {
    // After this frame's motion the grenade's bottom is 3 rows into the ground. The sweep retraces the frame
    // from (35, 38) in sub-steps of (0.03, 0.04) after a first pixel, and first touches row 60 at y = 54.52.
    TProjectile grenade = moving(TProjectile(TWeapon::WeaponGrenade), vector(50, 58), vector(300, 400));
    EXPECT_TRUE(step(grenade, true));
    EXPECT_FALSE(outOfMap);
    expectNear(grenade.speed, vector(180, -240));
    expectNear(grenade.position, vector(47.39 - 0.6, 54.52 - 0.8), 1e-6); // backed out one pixel

    TProjectile bazooka = moving(TProjectile(TWeapon::WeaponBazooka), vector(50, 58), vector(300, 400));
    EXPECT_TRUE(step(bazooka, true, false)); // no bounce: contact only, speed kept
    expectNear(bazooka.speed, vector(300, 400));
    bazooka.speed = vector(300, 400);
    bazooka.position = vector(50, 58);
    step(bazooka, true);
    expectNear(bazooka.speed, vector(90, -120));
}

TEST_F(CollisionsTest, WallStopsASlowBody) {
    SurfacePtr wall = makeTerrain(100, 100);
    fillTerrain(wall.get(), 60, 0, 40, 100);
    TCollisions walls(wall.get(), *teams, *damage, messages);
    TTumbok& t = movingTumbok(vector(54.6, 10), vector(150, 0)); // right side at 60.6, in the wall
    EXPECT_FALSE(walls.collide(t, false, outOfMap, true));
    // 59.6 still rounds into the wall, so two pixels back.
    expectNear(t.position, vector(52.6, 10));
    EXPECT_EQ(t.speed, vector(0, 0));
}

TEST_F(CollisionsTest, LeavingTheMapIsReportedOnceAndKillsOnce) {
    teams->current = {0, 0};
    TTumbok& t = movingTumbok(vector(20, 100), vector(0, 300));
    EXPECT_FALSE(step(t, false)); // on the last row: not below the map yet
    EXPECT_FALSE(outOfMap);
    t.position = vector(20, 100.5);
    EXPECT_TRUE(step(t, false));
    EXPECT_TRUE(outOfMap);
    EXPECT_TRUE(t.out);
    EXPECT_EQ(t.health, 0);
    t.position = vector(20, 150);
    EXPECT_TRUE(step(t, false)); // the dead body, still falling below the map
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "The Tumbok is out !");
    EXPECT_EQ(stats(0).kills, 1);
    EXPECT_EQ(stats(0).enemiesKilled, 1);

    TProjectile arrow = moving(TProjectile(TWeapon::WeaponBow), vector(50, 130), vector(0, 400));
    EXPECT_TRUE(step(arrow, true, false));
    EXPECT_TRUE(outOfMap);
    EXPECT_EQ(messages.texts.back(), "The projectile is out !");

    TExplosif box = moving(TExplosif(), vector(50, 101));
    EXPECT_TRUE(step(box, false));
    EXPECT_EQ(messages.texts.size(), 2u);
}

TEST_F(CollisionsTest, ZeroSpeedSkipsTheSweepAndTheBackOut) {
    TProjectile grenade =
        moving(TProjectile(TWeapon::WeaponGrenade), vector(30, 57)); // resting partly in the ground
    EXPECT_FALSE(step(grenade, true));
    EXPECT_EQ(grenade.position, vector(30, 57));
    EXPECT_EQ(grenade.speed, vector(0, 0));

    TTumbok& t = movingTumbok(vector(20, 20.4), vector(0, 0));
    EXPECT_FALSE(step(t, false)); // in contact, but nothing to back out along
    EXPECT_EQ(t.position, vector(20, 20.4));
    EXPECT_EQ(t.speed, vector(0, 0));
}

TEST_F(CollisionsTest, SweepInOpenAirIsNoContactForAWholeNumberSpeed) {
    TProjectile arrow = moving(TProjectile(TWeapon::WeaponBow), vector(30, 10), vector(0, 3));
    EXPECT_FALSE(step(arrow, true, false));
    EXPECT_EQ(arrow.position, vector(30, 10));
    EXPECT_EQ(arrow.speed, vector(0, 3));
}

TEST_F(CollisionsTest, BodyStuckInSolidGroundIsMovedBackByItsSpeedAndStopped) {
    SurfacePtr rock = flatTerrain(50, 50, 0);
    TCollisions inRock(rock.get(), *teams, *damage, messages);
    // 30 one-pixel steps up never free it (its bottom stays in the rock), then it goes back 30 more.
    TTumbok& t = movingTumbok(vector(10, 5), vector(0, 30));
    EXPECT_FALSE(inRock.collide(t, false, outOfMap, true));
    expectNear(t.position, vector(10, -55));
    EXPECT_EQ(t.speed, vector(0, 0));

    t = movingTumbok(vector(10, 5), vector(0, 30));
    t.health = 0;
    EXPECT_FALSE(inRock.collide(t, true, outOfMap, true)); // the sweep touches at once, from (10, 4.5)
    expectNear(t.position, vector(10, -55.5));
    EXPECT_EQ(t.speed, vector(0, 0));
}

TEST_F(CollisionsTest, BodyOnThePictureEdgeLandsAndStops) {
    TTumbok& t = movingTumbok(vector(94, 20.4), vector(0, 100)); // its right side on column 100, outside
    EXPECT_FALSE(step(t, false));
    expectNear(t.position, vector(94, 19.4));
    t = movingTumbok(vector(99.6, 20.4), vector(0, 100)); // wholly beyond the right edge: falls on
    EXPECT_FALSE(step(t, true));
    expectNear(t.position, vector(99.6, 20.4));
    EXPECT_EQ(t.speed, vector(0, 100));
}

TEST_F(CollisionsTest, BrokenTerrainHasNoGroundAndNoDepth) {
    SurfacePtr broken = createSurface(0, 0, true);
    TCollisions nowhere(broken.get(), *teams, *damage, messages);
    TTumbok& t = movingTumbok(vector(0, 1), vector(0, 50));
    TVector foot;
    EXPECT_TRUE(nowhere.isInAir(t, foot));
    EXPECT_TRUE(nowhere.collide(t, false, outOfMap, true));
    EXPECT_TRUE(outOfMap);
    EXPECT_TRUE(t.out);
}
