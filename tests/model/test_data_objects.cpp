#include "model/u_data_objects.hpp"
#include "resources/u_random.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectVector(TVector actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
}

} // namespace

TEST(Vector, OperationsFollowTheirFormulas) {
    expectVector(add(vector(1, 2), vector(-4, 0.5)), -3, 2.5);
    expectVector(scale(vector(3, -4), -0.5), -1.5, 2);
    EXPECT_DOUBLE_EQ(norm(vector(3, -4)), 5.0);
    EXPECT_DOUBLE_EQ(dot(vector(2, 3), vector(-1, 4)), 10.0);
    EXPECT_DOUBLE_EQ(distance(vector(4, 5), vector(1, 1)), 5.0);
    expectVector(normalize(vector(3, 4)), 0.6, 0.8);
    expectVector(normalize(vector(0, 0)), 0, 0);
    expectVector(reflect(vector(1, -1), vector(1, 0)), 1, 1);
    // Only the axis' line matters, not its length.
    expectVector(reflect(vector(1, -1), vector(5, 0)), 1, 1);
    expectVector(reflect(vector(2, 0), vector(1, 1)), 0, 2);
}

TEST(Vector, ReflectOnZeroAxisReversesInsteadOfDividingByZero) {
    const TVector mirrored = reflect(vector(3, -2), vector(0, 0));
    EXPECT_FALSE(std::isnan(mirrored.x) || std::isnan(mirrored.y));
    expectVector(mirrored, -3, 2);
}

TEST(Vector, PixelsRoundHalvesToEven) {
    EXPECT_EQ(toPixel(vector(2.5, 3.5)), (TPixelPoint{2, 4}));
    EXPECT_EQ(toPixel(vector(-2.5, -0.5)), (TPixelPoint{-2, 0}));
    EXPECT_EQ(toPixel(vector(10.49, 10.51)), (TPixelPoint{10, 11}));
}

TEST(Weapons, NamesAndPictureNames) {
    EXPECT_EQ(weaponName(TWeapon::WeaponFragmentation), "Fragmentation bomb");
    EXPECT_EQ(weaponImageName(TWeapon::WeaponBazooka, false), "weapons-bazooka-left.png");
    EXPECT_EQ(weaponImageName(TWeapon::WeaponBow, true), "weapons-bow-right.png");
    // The fragmentation bomb borrows the grenade's pictures.
    EXPECT_EQ(weaponImageName(TWeapon::WeaponFragmentation, true), "weapons-grenade-right.png");
    EXPECT_EQ(projectileImageName(TWeapon::WeaponFragmentation), "projectiles-grenade.png");
}

TEST(Tumbok, WalkTurnsFirstThenAnimatesAndWraps) {
    TTumbok tumbok;
    tumbok.walk(TDirection::DirectionRight);
    EXPECT_EQ(tumbok.direction, TDirection::DirectionRight);
    EXPECT_EQ(tumbok.frame, 0);
    for (int i = 0; i < 7; ++i) {
        tumbok.walk(TDirection::DirectionRight);
    }
    EXPECT_EQ(tumbok.frame, 7);
    tumbok.walk(TDirection::DirectionRight);
    EXPECT_EQ(tumbok.frame, 0);
    tumbok.walk(TDirection::DirectionRight);
    tumbok.walk(TDirection::DirectionLeft);
    EXPECT_EQ(tumbok.direction, TDirection::DirectionLeft);
    EXPECT_EQ(tumbok.frame, 1);
}

TEST(Projectile, UpdateAngleFromSpeed) {
    TProjectile p(TWeapon::WeaponBazooka);
    const auto angleFor = [&p](double x, double y) {
        p.speed = vector(x, y);
        return p.updateAngle();
    };
    EXPECT_NEAR(angleFor(5, 0), 0, 1e-9);
    EXPECT_NEAR(angleFor(-5, 0), 180, 1e-9);
    EXPECT_NEAR(angleFor(1, 1), 45, 1e-9);
    EXPECT_NEAR(angleFor(1, -1), -45, 1e-9);
    EXPECT_NEAR(angleFor(0, 3), 90, 1e-9);
    EXPECT_NEAR(angleFor(0, -3), 90, 1e-9);
    EXPECT_NEAR(angleFor(-1, -1), 225, 1e-9);
    EXPECT_NEAR(angleFor(0, 0), 225, 1e-9);
}

TEST(Projectile, OnlyTheGrenadeHasAFuseOfFiftyTicks) {
    TProjectile grenade(TWeapon::WeaponGrenade);
    for (int i = 1; i < 50; ++i) {
        EXPECT_FALSE(grenade.tick()) << "tick " << i;
    }
    EXPECT_TRUE(grenade.tick());
    EXPECT_TRUE(grenade.tick());
    grenade.done = true;
    EXPECT_FALSE(grenade.tick());

    for (TWeapon w : {TWeapon::WeaponBow, TWeapon::WeaponBazooka}) {
        TProjectile p(w);
        for (int i = 0; i < 200; ++i) {
            ASSERT_FALSE(p.tick());
        }
    }
}

TEST(Projectile, FragmentationBombSplitsTwiceIntoFourAndNoMore) {
    seedRandom(7);
    TProjectile bomb(TWeapon::WeaponFragmentation);
    auto& pieces = bomb.fragments->projectiles;
    ASSERT_EQ(pieces.size(), 1U);
    pieces[0].position = vector(100, 200);
    for (int i = 1; i < 50; ++i) {
        EXPECT_FALSE(bomb.tick());
        EXPECT_EQ(pieces.size(), 1U);
    }
    EXPECT_FALSE(bomb.tick());
    ASSERT_EQ(pieces.size(), 2U);
    EXPECT_EQ(bomb.fragments->generation, 1);
    EXPECT_EQ(bomb.ticks, 0);
    // The twin starts where the fragment was, flying the opposite way.
    EXPECT_EQ(pieces[1].position, vector(100, 200));
    EXPECT_EQ(pieces[1].speed, scale(pieces[0].speed, -1));
    for (const TProjectile& piece : pieces) {
        EXPECT_EQ(piece.weapon, TWeapon::WeaponGrenade);
        EXPECT_EQ(piece.ticks, 0);
    }
    for (double component : {pieces[0].speed.x, pieces[0].speed.y}) {
        EXPECT_GE(component, 0);
        EXPECT_LT(component, 900);
        EXPECT_EQ(component, std::floor(component));
    }

    for (int i = 0; i < 50; ++i) {
        bomb.tick();
    }
    EXPECT_EQ(pieces.size(), 4U);
    for (int i = 0; i < 200; ++i) {
        bomb.tick();
    }
    EXPECT_EQ(pieces.size(), 4U);
    EXPECT_EQ(bomb.fragments->generation, 2);
}

TEST(Projectile, FragmentationBombFollowsItsFirstFragmentAndEndsWhenAllAreDone) {
    TProjectile bomb(TWeapon::WeaponFragmentation);
    for (int i = 1; i < 50; ++i) {
        bomb.tick();
    }
    auto& pieces = bomb.fragments->projectiles;
    pieces[0].done = true;
    // Done but about to split: the bomb goes on and the fragment flies again.
    EXPECT_FALSE(bomb.tick());
    EXPECT_FALSE(pieces[0].done);

    for (int i = 0; i < 50; ++i) {
        bomb.tick();
    }
    ASSERT_EQ(pieces.size(), 4U);
    pieces[0].position = vector(12, 34);
    pieces[0].done = pieces[1].done = pieces[2].done = true;
    EXPECT_FALSE(bomb.tick());
    EXPECT_EQ(bomb.position, vector(12, 34));
    pieces[3].done = true;
    EXPECT_TRUE(bomb.tick());
}
