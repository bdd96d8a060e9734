#include "physics/u_physics_particles.hpp"

#include "resources/u_random.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

int reseeds = 0;
void countReseed() {
    ++reseeds;
}

int particleCount(const TParticlesFountain& fountain) {
    return static_cast<int>(std::distance(fountain.particles.begin(), fountain.particles.end()));
}

} // namespace

TEST(ParticlesTest, SmokeRisesAnimatesUpToItsLastFrameAndDiesAtItsLifetime) {
    seedRandom(9);
    TParticlesManager manager;
    manager.reseed = countReseed;
    reseeds = 0;
    TParticlesFountain& smoke = manager.addFountain(TParticleType::ParticleSmoke, vector(100, 100));
    EXPECT_EQ(reseeds, 1);
    smoke.acceleration = vector(0, -200);

    manager.step();
    EXPECT_EQ(particleCount(smoke), 6);
    for (const TParticle& p : smoke.particles) {
        EXPECT_GE(p.position.x, 100.0);
        EXPECT_LT(p.position.x, 100.0 + 10 + 100 * 0.05);
        EXPECT_EQ(p.age, 1);
        EXPECT_EQ(p.colour, 0xFFCC3300u);
    }
    int steady = 0;
    for (int frame = 2; frame <= 60; ++frame) {
        manager.step();
        for (const TParticle& p : smoke.particles) {
            ASSERT_LT(p.age, smoke.lifetime);
            ASSERT_EQ(p.imageIndex, std::min(p.age / 3, 5)) << "age " << p.age;
        }
        if (frame == 40) {
            steady = particleCount(smoke);
        }
    }
    EXPECT_EQ(particleCount(smoke), steady); // as many die as are born
    EXPECT_EQ(steady, 6 * (smoke.lifetime - 1));
    // Rising: the oldest puffs are above the newest.
    double oldestY = 0;
    for (const TParticle& p : smoke.particles) {
        oldestY = p.position.y;
    }
    EXPECT_LT(oldestY, smoke.particles.front().position.y);
}

TEST(ParticlesTest, StoppedFountainLivesUntilItsLastParticleDiesAndNewestComesFirst) {
    TParticlesManager manager;
    manager.reseed = nullptr;
    TParticlesFountain& first = manager.addFountain(TParticleType::ParticleSmoke, vector(0, 0));
    manager.step();
    TParticlesFountain& second = manager.addFountain(TParticleType::ParticleNoImage, vector(5, 5));
    EXPECT_EQ(&manager.fountains.front(), &second);

    first.stopRequested = true;
    first.emitting = false;
    int frames = 0;
    while (!first.empty() && frames < 100) {
        manager.step();
        ++frames;
        ASSERT_EQ(std::distance(manager.fountains.begin(), manager.fountains.end()), 2);
    }
    EXPECT_EQ(frames, first.lifetime - 1);
    manager.step(); // now it goes
    ASSERT_EQ(std::distance(manager.fountains.begin(), manager.fountains.end()), 1);
    EXPECT_EQ(&manager.fountains.front(), &second);
    // A fountain without animation frames never divides by them.
    EXPECT_EQ(second.framesPerImage, 0);
    for (const TParticle& p : second.particles) {
        EXPECT_EQ(p.imageIndex, 0);
    }
}
