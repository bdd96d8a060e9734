#include "physics/u_physics_projectile_manager.hpp"

#include "physics/u_physics_external_forces.hpp"
#include "support/physics_fixture.hpp"
#include "support/physics_peer.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int groundY = 400;

class ProjectileTest : public PhysicsFixture {
protected:
    void SetUp() override {
        build(flatTerrain(800, 600, groundY), 2, 2);
        parkOthersOnGround(groundY, 700);
        standOn(0, 0, 100, groundY);
        peer(*physics).forces().wind = vector(0, 0);
    }

    TProjectileManager& manager() { return peer(*physics).projectiles(); }
    // Steps the shot until it is done, for at most a hundred frames; returns whether it got done.
    bool flyUntilDone() {
        for (int frame = 0; frame < 100 && !manager().projectile->done; ++frame) {
            manager().step();
        }
        return manager().projectile->done;
    }
    int explosionCount() const { return static_cast<int>(physics->view().explosions.list.size()); }
};

} // namespace

TEST_F(ProjectileTest, GrenadeBouncesAndGoesOffOnItsFiftiethFrameWhateverItHit) {
    manager().launch(400, TWeapon::WeaponGrenade, 60);
    bool bounced = false;
    double previousSpeedY = manager().projectile->speed.y;
    for (int frame = 1; frame < 50; ++frame) {
        manager().step();
        const TProjectile& grenade = *manager().projectile;
        ASSERT_FALSE(grenade.done) << frame;
        bounced = bounced || (previousSpeedY > 0 && grenade.speed.y < 0);
        previousSpeedY = grenade.speed.y;
    }
    EXPECT_TRUE(bounced);
    EXPECT_EQ(explosionCount(), 0);
    EXPECT_LE(manager().projectile->position.y, groundY); // bounced, never sank into the ground

    manager().step();
    EXPECT_TRUE(manager().projectile->done);
    EXPECT_EQ(explosionCount(), 1);
    EXPECT_EQ(stamps.stamped.size(), 1u);
}

TEST_F(ProjectileTest, BazookaHitCarvesTheHoleAroundItsImpact) {
    SurfacePtr before = flatTerrain(800, 600, groundY);
    manager().launch(600, TWeapon::WeaponBazooka, -90);
    ASSERT_TRUE(flyUntilDone());
    ASSERT_EQ(stamps.stamped.size(), 1u);
    const TVector impact = stamps.stamped.front();
    EXPECT_NEAR(impact.x, 108, 1.0);
    EXPECT_NEAR(impact.y, groundY - 5, 6.0);
    manager().discard();
    while (!peer(*physics).explosions().allFinished()) {
        peer(*physics).explosions().step();
    }
    // The central blast (within 24 px of the impact, hole radius 62) clears everything near the impact;
    // nothing beyond the farthest blast's burnt ring changes.
    for (int y = groundY; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const double d = std::hypot(x - impact.x, y - impact.y);
            if (d <= 38) {
                ASSERT_LT(pixelAt(terrain(), x, y).a, 128) << x << "," << y;
            } else if (d > 162) {
                ASSERT_EQ(rawPixel(terrain(), x, y), rawPixel(before.get(), x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(ProjectileTest, ArrowSticksWhereItStrikesAndAStuckArrowHurtsNoOne) {
    manager().launch(600, TWeapon::WeaponBow, -90);
    ASSERT_TRUE(flyUntilDone());
    ASSERT_EQ(stamps.stamped.size(), 1u);
    EXPECT_EQ(explosionCount(), 0);
    EXPECT_EQ(pixelAt(terrain(), 108, groundY + 2).a, 255); // no hole

    TTumbok& passer = tumbok(1, 0);
    passer.position = add(manager().projectile->position, vector(-3, -20));
    manager().hitTest(*manager().projectile, passer);
    EXPECT_EQ(passer.health, 100);
}

TEST_F(ProjectileTest, ArrowHurtsOneOfTwoTumboksInItsWayOnce) {
    ASSERT_TRUE(physics->takeNewTurn());
    // Both targets stand on the same spot, right where the arrow is at the end of its third frame.
    standOn(1, 0, 100 + 35, groundY);
    standOn(1, 1, 100 + 35, groundY);
    ASSERT_TRUE(physics->fire(200, TWeapon::WeaponBow, 0));
    for (int frame = 0; frame < 6; ++frame) {
        physics->step();
    }
    EXPECT_EQ(tumbok(1, 0).health + tumbok(1, 1).health, 170);
    EXPECT_EQ(tumbok(1, 0).health, 70);
}

TEST_F(ProjectileTest, BazookaShellTouchingATumbokExplodesBeforeReachingTheGround) {
    ASSERT_TRUE(physics->takeNewTurn());
    standOn(1, 0, 100 + 35, groundY);
    ASSERT_TRUE(physics->fire(200, TWeapon::WeaponBazooka, 0));
    physics->step();
    physics->step();
    EXPECT_EQ(explosionCount(), 0);
    physics->step();
    EXPECT_EQ(explosionCount(), 1);
    EXPECT_TRUE(stamps.stamped.empty()); // it never touched the terrain
    EXPECT_FALSE(physics->view().projectiles.inFlight());
    EXPECT_EQ(state(), TGameStateType::StateAfterMotion);
}

TEST_F(ProjectileTest, PowerIsClampedAndTheTeamKeepsItsLastShot) {
    manager().launch(3000, TWeapon::WeaponBazooka, 0);
    EXPECT_EQ(physics->view().teams.teams[0].power, 2500);
    EXPECT_EQ(physics->view().teams.teams[0].weapon, TWeapon::WeaponBazooka);
    EXPECT_DOUBLE_EQ(manager().projectile->speed.x, 2500);
    EXPECT_EQ(manager().projectile->position, add(tumbok(0, 0).position, vector(8, 12)));
    TParticlesFountain* smoke = manager().fountain;
    ASSERT_NE(smoke, nullptr);
    EXPECT_EQ(smoke->lifetime, 30);
    EXPECT_EQ(smoke->acceleration, vector(0, -200));
    manager().discard();
    EXPECT_EQ(manager().fountain, nullptr);
    EXPECT_TRUE(smoke->stopRequested);
    EXPECT_FALSE(smoke->emitting);

    manager().launch(-40, TWeapon::WeaponGrenade, 45);
    EXPECT_EQ(physics->view().teams.teams[0].power, 0);
    EXPECT_EQ(physics->view().teams.teams[0].weapon, TWeapon::WeaponGrenade);
    EXPECT_EQ(manager().projectile->speed, vector(0, -0.0));
}

using FragmentationTest = PhysicsFixture;

// Open sky over a deep shaft: nothing to hit, so every fragment lives out its fuse.
TEST_F(FragmentationTest, BombSplitsTwiceAndExplodesSevenTimes) {
    build(makeTerrain(32, 30000), 2, 1);
    EXPECT_NE(placementOutput.find("Could not place 2 of 2 tumboks."), std::string::npos);
    tumbok(0, 0).position = vector(10, 5000);
    peer(*physics).forces().wind = vector(0, 0);
    TProjectileManager& manager = peer(*physics).projectiles();
    manager.launch(2500, TWeapon::WeaponFragmentation, 90);
    const auto fragments = [&] { return manager.projectile->fragments->projectiles.size(); };
    const auto explosions = [&] { return physics->view().explosions.list.size(); };
    for (int frame = 1; frame <= 150; ++frame) {
        manager.step();
        if (frame == 49) {
            EXPECT_EQ(fragments(), 1u);
            EXPECT_EQ(explosions(), 0u);
        } else if (frame == 50) {
            EXPECT_EQ(fragments(), 2u);
            EXPECT_EQ(explosions(), 1u);
        } else if (frame == 100) {
            EXPECT_EQ(fragments(), 4u);
            EXPECT_EQ(explosions(), 3u);
        }
        ASSERT_EQ(manager.projectile->done, frame == 150) << frame;
    }
    EXPECT_EQ(fragments(), 4u);
    EXPECT_EQ(explosions(), 7u);
    EXPECT_TRUE(messages.texts.empty()); // no fragment left the map
}
