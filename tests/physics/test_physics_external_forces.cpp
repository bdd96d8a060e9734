#include "physics/u_physics_external_forces.hpp"

#include "resources/u_random.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

constexpr double tolerance = 1e-9;

// Speed and position after n semi-implicit steps from rest under a constant acceleration a:
// v_n = n a dt, x_n = a dt^2 n (n + 1) / 2.
double speedAfter(int n, double a) {
    return n * a * 0.05;
}
double distanceAfter(int n, double a) {
    return a * 0.05 * 0.05 * n * (n + 1) / 2.0;
}

} // namespace

TEST(ExternalForces, GravityIsConstantAndWindWhole) {
    seedRandom(3);
    TExternalForces forces;
    EXPECT_EQ(forces.gravity, vector(0, 989));
    std::set<double> winds;
    for (int i = 0; i < 20000; ++i) {
        forces.newWind();
        EXPECT_EQ(forces.wind.y, 0.0);
        EXPECT_EQ(forces.wind.x, std::floor(forces.wind.x));
        winds.insert(forces.wind.x);
    }
    EXPECT_GE(*winds.begin(), -500.0);
    EXPECT_LE(*winds.rbegin(), 499.0);
    EXPECT_EQ(winds.count(-500.0), 1U) << "-500 can occur";
    EXPECT_EQ(winds.count(500.0), 0U) << "+500 cannot";
    EXPECT_EQ(winds.size(), 1000U);
}

TEST(ExternalForces, FirstStepFromRest) {
    TExternalForces forces;
    TTumbok tumbok;
    tumbok.position = vector(10, 20);
    forces.apply(tumbok);
    EXPECT_NEAR(tumbok.speed.y, 49.45, tolerance);
    EXPECT_NEAR(tumbok.position.y, 20 + 2.4725, tolerance);
    EXPECT_NEAR(tumbok.position.x, 10, tolerance);
}

TEST(ExternalForces, GravityOverSeveralSteps) {
    TExternalForces forces;
    forces.wind = vector(300, 0);
    TExplosif box;
    box.speed = vector(20, -100);
    for (int i = 0; i < 4; ++i) {
        forces.apply(box);
    }
    // By hand: vy = -100 + 4 * 49.45 = 97.8; y = 0.05 * (-50.55 - 1.1 + 48.35 + 97.8) = 4.725.
    EXPECT_NEAR(box.speed.y, 97.8, tolerance);
    EXPECT_NEAR(box.position.y, 4.725, tolerance);
    // Boxes feel no wind: x moves at the constant 20 px/s.
    EXPECT_NEAR(box.speed.x, 20, tolerance);
    EXPECT_NEAR(box.position.x, 4.0, tolerance);
    EXPECT_NEAR(box.position.y, -100 * 0.2 + distanceAfter(4, 989), tolerance);
}

TEST(ExternalForces, WindPushesProjectilesOnly) {
    TExternalForces forces;
    forces.wind = vector(-200, 0);
    TProjectile shell(TWeapon::WeaponBazooka);
    shell.speed = vector(0, -600);
    TTumbok tumbok;
    for (int i = 0; i < 10; ++i) {
        forces.apply(shell);
        forces.apply(tumbok);
    }
    EXPECT_NEAR(shell.speed.x, speedAfter(10, -200), tolerance);
    EXPECT_NEAR(shell.position.x, distanceAfter(10, -200), tolerance);
    EXPECT_NEAR(shell.position.x, -27.5, tolerance);
    EXPECT_NEAR(shell.speed.y, -600 + speedAfter(10, 989), tolerance);
    EXPECT_NEAR(shell.position.y, -600 * 0.5 + distanceAfter(10, 989), tolerance);
    EXPECT_EQ(tumbok.speed.x, 0.0);
    EXPECT_EQ(tumbok.position.x, 0.0);
    EXPECT_NEAR(tumbok.position.y, distanceAfter(10, 989), tolerance);
}

TEST(ExternalForces, FragmentationBombMovesItsFlyingFragmentsOnly) {
    TExternalForces forces;
    forces.wind = vector(100, 0);
    TProjectile bomb(TWeapon::WeaponFragmentation);
    bomb.position = vector(50, 50);
    auto& pieces = bomb.fragments->projectiles;
    pieces.emplace_back(TWeapon::WeaponGrenade);
    pieces[1].done = true;
    pieces[1].position = vector(7, 7);
    forces.apply(bomb);
    forces.apply(bomb);
    EXPECT_EQ(bomb.position, vector(50, 50));
    EXPECT_EQ(bomb.speed, vector(0, 0));
    EXPECT_NEAR(pieces[0].position.x, distanceAfter(2, 100), tolerance);
    EXPECT_NEAR(pieces[0].position.y, distanceAfter(2, 989), tolerance);
    EXPECT_EQ(pieces[1].position, vector(7, 7));
}
