// Drawing particles: the smoke frames cut from their sheet, where each particle is drawn, which frame it
// shows, image-less squares, and a fountain that keeps being drawn after its projectile is gone.
#include "render/u_particles_display.hpp"

#include "render/hud_scene.hpp"
#include "resources/u_data_files.hpp"

#include <gtest/gtest.h>

using namespace hud_test;
using render_test::backdrop;
using render_test::expectScreen;
using render_test::screenPixel;

namespace {

constexpr int frameSize = 16;

TRgba frameColour(int i) {
    return {static_cast<Uint8>(30 + 35 * i), 200, static_cast<Uint8>(220 - 30 * i), 255};
}

SurfacePtr smokeSheet() {
    SurfacePtr sheet =
        render_test::solidPicture(frameSize, frameSize * TParticlesDisplay::frameCount, render_test::white);
    for (int i = 0; i < TParticlesDisplay::frameCount; ++i) {
        fillArea(sheet.get(), 0, i * frameSize, frameSize, frameSize, frameColour(i));
    }
    return sheet;
}

THudSetup withSmoke() {
    THudSetup setup = terrainOf(1000, 800);
    setup.pictures = [](const std::filesystem::path& root) {
        render_test::writeDataPicture(root, "game-images", dataFile::smokeFrames, smokeSheet().get());
    };
    return setup;
}

TParticle particleAt(double x, double y, int imageIndex = 0, int size = 1) {
    TParticle particle;
    particle.position = vector(x, y);
    particle.imageIndex = imageIndex;
    particle.size = size;
    return particle;
}

} // namespace

TEST(ParticlesDisplay, CutsTheSmokeSheetIntoSixFramesFirstOnTop) {
    THudScene scene(withSmoke());
    const TParticlesDisplay display(scene.display, *scene.moves);
    ASSERT_EQ(display.frames.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const SDL_Surface* frame = display.frames[static_cast<std::size_t>(i)].get();
        EXPECT_EQ(frame->w, frameSize);
        EXPECT_EQ(frame->h, frameSize);
        EXPECT_EQ(pixelAt(frame, 0, 0), frameColour(i));
        EXPECT_EQ(pixelAt(frame, 15, 15), frameColour(i));
    }

    THudSetup noPictures = withSmoke();
    noPictures.pictures = nullptr;
    THudScene bare(noPictures);
    const TParticlesDisplay missing(bare.display, *bare.moves);
    ASSERT_EQ(missing.frames.size(), 6u) << "a missing sheet still gives every frame, empty";
    TFountainsList fountains;
    fountains.emplace_front(TParticleType::ParticleSmoke, vector(0, 0), nullptr)
        .particles.push_front(particleAt(100, 100, 3));
    missing.draw(fountains);
    EXPECT_EQ(render_test::changedPixels(), 0);
}

TEST(ParticlesDisplay, DrawsEachSmokeParticleCentredOnItsPositionWithItsFrame) {
    THudScene scene(withSmoke());
    const TParticlesDisplay display(scene.display, *scene.moves);
    ASSERT_EQ(display.frames.size(), 6u);
    ASSERT_EQ(display.frames[0]->w, frameSize);

    TFountainsList fountains;
    TParticlesFountain& smoke = fountains.emplace_front(TParticleType::ParticleSmoke, vector(0, 0), nullptr);
    smoke.particles.push_front(particleAt(100.5, 200.5, 2)); // rounds to (100, 200), halves to even
    smoke.particles.push_front(particleAt(300, 300, 6));     // past the last frame: nothing
    smoke.particles.push_front(particleAt(400, 300, -1));    // nonsense index: nothing
    display.draw(fountains);

    expectScreen(
        {{92, 192, frameColour(2)}, {107, 207, frameColour(2)}, {91, 192, backdrop}, {108, 207, backdrop}});
    EXPECT_EQ(render_test::changedPixels(), frameSize * frameSize);

    scene.moves->setView(false, 50, 100);
    scene.clearScreen();
    display.draw(fountains);
    EXPECT_EQ(screenPixel(92 - 50, 192 - 100), frameColour(2)) << "map position minus the camera";
    EXPECT_EQ(render_test::changedPixels(), frameSize * frameSize);
}

TEST(ParticlesDisplay, ImagelessParticlesAreSquaresOfTheirSizeAndColour) {
    THudScene scene(withSmoke());
    const TParticlesDisplay display(scene.display, *scene.moves);
    TFountainsList fountains;
    TParticlesFountain& plain =
        fountains.emplace_front(TParticleType::ParticleNoImage, vector(0, 0), nullptr);
    plain.particles.push_front(particleAt(10, 10, 0, 4));
    plain.particles.push_front(particleAt(50, 50, 0, 0));      // no size: nothing
    plain.particles.push_front(particleAt(-1.0e300, 5, 0, 3)); // far off the map: nothing, no overflow
    display.draw(fountains);
    expectScreen({{8, 8, {0xCC, 0x33, 0x00, 255}}, {11, 11, {0xCC, 0x33, 0x00, 255}}});
    EXPECT_EQ(render_test::changedPixels(), 16);
}

TEST(ParticlesDisplay, OlderFountainsAreDrawnOverNewerOnes) {
    THudScene scene(withSmoke());
    const TParticlesDisplay display(scene.display, *scene.moves);
    TFountainsList fountains;
    fountains.emplace_front(TParticleType::ParticleSmoke, vector(0, 0), nullptr)
        .particles.push_front(particleAt(200, 200, 4));
    fountains
        .emplace_front(TParticleType::ParticleSmoke, vector(0, 0), nullptr) // newer, first in the list
        .particles.push_front(particleAt(200, 200, 1));
    display.draw(fountains);
    EXPECT_EQ(screenPixel(200, 200), frameColour(4));
}

TEST(ParticlesDisplay, AFountainThatOutlivesItsProjectileIsDrawnUntilItsLastPuffDies) {
    THudScene scene(withSmoke());
    const TParticlesDisplay display(scene.display, *scene.moves);
    TParticlesManager particles;
    particles.reseed = nullptr;
    seedRandom(3);
    TParticlesFountain& smoke = particles.addFountain(TParticleType::ParticleSmoke, vector(400, 300));
    smoke.acceleration = vector(0, -200);
    const int lifetime = smoke.lifetime; // the fountain is freed once it is done
    for (int frame = 0; frame < 10; ++frame) {
        particles.step();
    }
    // The shell is gone: the trail stops emitting and asks to be removed.
    smoke.emitting = false;
    smoke.stopRequested = true;
    long previous = std::distance(smoke.particles.begin(), smoke.particles.end());
    ASSERT_GT(previous, 0);
    int frames = 0;
    while (!particles.fountains.empty() && frames < 100) {
        const TParticleList& puffs = particles.fountains.front().particles;
        const long alive = std::distance(puffs.begin(), puffs.end());
        EXPECT_LE(alive, previous) << "no new puffs appear";
        previous = alive;
        scene.clearScreen();
        display.draw(particles.fountains);
        EXPECT_EQ(render_test::changedPixels() > 0, alive > 0) << "its puffs are still drawn";
        for (const TParticle& puff : puffs) {
            EXPECT_LE(puff.imageIndex, 5);
        }
        particles.step();
        ++frames;
    }
    EXPECT_TRUE(particles.fountains.empty());
    EXPECT_LE(frames, lifetime + 1) << "gone once its last particle died";
    scene.clearScreen();
    display.draw(particles.fountains);
    EXPECT_EQ(render_test::changedPixels(), 0);
}
