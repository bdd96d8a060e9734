#include "model/u_data_teams.hpp"
#include "render/render_scene.hpp"
#include "render/u_explosifs_display.hpp"
#include "render/u_explosion_display.hpp"
#include "render/u_particles_display.hpp"
#include "render/u_projectile_display.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_data_files.hpp"

#include <cmath>

using namespace render_test;

namespace {

TProjectile flying(TWeapon weapon, TVector position, TVector speed) {
    TProjectile p(weapon);
    p.position = position;
    p.speed = speed;
    return p;
}

const TRgba frameColours[TExplosionDisplay::frameCount] = {{250, 0, 0, 255},   {0, 250, 0, 255},
                                                           {0, 0, 250, 255},   {250, 250, 0, 255},
                                                           {0, 250, 250, 255}, {250, 0, 250, 255}};

// Six 20 x 20 frames stacked downward, each of its own colour.
void writeExplosionSheet(const TRenderScene& scene) {
    SurfacePtr sheet = createSurface(20, 120, false);
    for (int i = 0; i < TExplosionDisplay::frameCount; ++i) {
        fillArea(sheet.get(), 0, 20 * i, 20, 20, frameColours[i]);
    }
    writeDataPicture(scene.root(), "game-images", dataFile::explosionFrames, sheet.get());
}

} // namespace

TEST(ProjectileDisplay, ProjectileIsCentredOnItsPositionAndTurnedToItsFlight) {
    TRenderScene scene;
    TProjectileDisplay display(scene.display, *scene.moves);
    display.pictures[1] = solidPicture(13, 3, red);
    scene.moves->setView(false, 100, 50);
    TProjectile p = flying(TWeapon::WeaponBazooka, {300.5, 350.5}, {100, 0}); // drawn at (200, 300)
    display.draw(p);
    expectScreen({{200 + 5, 300, red}, {200 - 5, 300, red}, {200, 300 + 5, backdrop}});

    scene.clearScreen();
    p.speed = {0, 100};
    display.draw(p);
    EXPECT_DOUBLE_EQ(p.angle, 90);
    expectScreen({{200, 300 + 5, red}, {200, 300 - 5, red}, {200 + 5, 300, backdrop}});
}

TEST(ProjectileDisplay, FragmentationBombShowsOnlyItsUnfinishedFragments) {
    TRenderScene scene;
    TProjectileDisplay display(scene.display, *scene.moves);
    display.pictures[2] = solidPicture(7, 7, green);
    TProjectile bomb = flying(TWeapon::WeaponFragmentation, {400, 400}, {10, 0});
    bomb.fragments->projectiles[0].position = {100, 100};
    bomb.fragments->projectiles.push_back(flying(TWeapon::WeaponGrenade, {300, 100}, {10, 10}));
    bomb.fragments->projectiles.push_back(flying(TWeapon::WeaponGrenade, {200, 100}, {10, 10}));
    bomb.fragments->projectiles[1].done = true;
    display.draw(bomb);
    expectScreen({{100, 100, green}, {200, 100, green}, {300, 100, backdrop}, {400, 400, backdrop}});
}

TEST(ProjectileDisplay, StampBlendsTheTurnedProjectileIntoTheSurface) {
    TRenderScene scene;
    TProjectileDisplay display(scene.display, *scene.moves);
    display.pictures[0] = solidPicture(13, 3, white);
    TProjectile arrow = flying(TWeapon::WeaponBow, {50, 60}, {0, 80});
    display.stamp(arrow, scene.terrain.get());
    SDL_Surface* terrain = scene.terrain.get();
    EXPECT_EQ(pixelAt(terrain, 50, 65), white);
    EXPECT_EQ(pixelAt(terrain, 50, 55), white);
    EXPECT_EQ(pixelAt(terrain, 56, 60).a, 0);
    arrow.position = {-1e15, NAN};
    display.stamp(arrow, terrain);
    display.stamp(arrow, nullptr);
}

TEST(ExplosionDisplay, NodeGrowsWithItsAgeThroughTheSixFrames) {
    TRenderScene scene;
    writeExplosionSheet(scene);
    TExplosionDisplay display(scene.display, *scene.moves);
    ASSERT_EQ(display.frames.size(), 6u);
    EXPECT_EQ(display.frames[3]->w, 20);
    EXPECT_EQ(display.frames[3]->h, 20);
    EXPECT_EQ(pixelAt(display.frames[3].get(), 10, 10), frameColours[3]);
    EXPECT_EQ(TExplosionDisplay::nodeSize(60, 3), 30);
    EXPECT_EQ(TExplosionDisplay::nodeSize(150, 5), 125);

    scene.moves->setView(false, 100, 100);
    display.drawNode(400, 300, 60, 3); // 30 pixels wide, centred on (300, 200)
    expectScreen({{285, 185, frameColours[3]},
                  {314, 214, frameColours[3]},
                  {284, 200, backdrop},
                  {315, 200, backdrop},
                  {300, 215, backdrop}});

    scene.clearScreen();
    display.drawNode(400, 300, 60, 5); // 50 wide from the last frame
    expectScreen({{275, 175, frameColours[5]}, {324, 224, frameColours[5]}, {325, 200, backdrop}});

    scene.clearScreen();
    for (const int age : {-1, -7, 0, 6, 40}) {
        display.drawNode(400, 300, 60, age);
    }
    display.drawNode(400, 300, 0, 4);
    EXPECT_EQ(changedPixels(), 0);
}

TEST(ExplosifsDisplay, BoxIsDrawnFromItsTopLeftCorner) {
    TRenderScene scene;
    TExplosifsDisplay display(scene.display, *scene.moves);
    display.picture = solidPicture(28, 28, blue);
    TExplosif box;
    box.position = {110.5, 121.5};
    scene.moves->setView(false, 100, 100);
    display.draw(box); // (round 110.5, round 121.5) = (110, 122), minus the camera
    expectScreen({{10, 22, blue}, {37, 49, blue}, {9, 22, backdrop}, {38, 49, backdrop}, {10, 21, backdrop}});
}

// With every picture missing, only what is not a picture shows: the health bar and the sight.
TEST(ObjectDisplays, MissingPicturesDrawNothing) {
    TRenderScene scene;
    TTeamsManager teams(1, 1, 0);
    TTumbokDisplay tumboks(scene.display, *scene.moves, teams);
    TProjectileDisplay projectiles(scene.display, *scene.moves);
    TExplosionDisplay explosions(scene.display, *scene.moves);
    TExplosifsDisplay boxes(scene.display, *scene.moves);
    TTumbok& t = teams.teams[0].tumboks[0];
    t.position = {300, 300};
    tumboks.draw(t, true);
    tumboks.draw(t, false);
    tumboks.drawArrow(t);
    TProjectile p = flying(TWeapon::WeaponBazooka, {200, 200}, {30, 40});
    projectiles.draw(p);
    projectiles.stamp(p, scene.terrain.get());
    for (int age = 0; age < TExplosionDisplay::frameCount; ++age) {
        explosions.drawNode(500, 300, 150, age);
    }
    TExplosif box;
    box.position = {100, 100};
    boxes.draw(box);
    EXPECT_EQ(changedPixels(), 40 * 6 + 3 * 3);
    EXPECT_EQ(pixelAt(scene.terrain.get(), 200, 200).a, 0);
}

TEST(ObjectDisplays, ObjectsFarOutsideTheViewDrawNothing) {
    TRenderScene scene;
    TTeamsManager teams(1, 1, 0);
    TTumbokDisplay tumboks(scene.display, *scene.moves, teams);
    tumboks.bodyImage = solidPicture(32, 26, white);
    tumboks.arrowImage = solidPicture(10, 20, red);
    TProjectileDisplay projectiles(scene.display, *scene.moves);
    projectiles.pictures[1] = solidPicture(13, 3, red);
    writeExplosionSheet(scene);
    TExplosionDisplay explosions(scene.display, *scene.moves);
    TExplosifsDisplay boxes(scene.display, *scene.moves);
    boxes.picture = solidPicture(28, 28, blue);

    TTumbok& t = teams.teams[0].tumboks[0];
    for (const TVector where : {TVector{1e9, 5}, TVector{-40000, 300}, TVector{300, 1e300}, TVector{NAN, NAN},
                                TVector{65536 + 300, 300}}) {
        t.position = where;
        tumboks.draw(t, true);
        tumboks.drawArrow(t);
        TProjectile p = flying(TWeapon::WeaponBazooka, where, {1, 1});
        projectiles.draw(p);
        TExplosif box;
        box.position = where;
        boxes.draw(box);
    }
    explosions.drawNode(100000, 100000, 60, 3);
    explosions.drawNode(-65536 + 300, 300, 60, 3);
    EXPECT_EQ(changedPixels(), 0);
}

TEST(ParticlesDisplay, SmokeShowsItsFrameAndOtherParticlesASquareOfTheirColour) {
    TRenderScene scene;
    TParticlesDisplay display(scene.display, *scene.moves);
    ASSERT_EQ(display.frames.size(), 6u);
    display.frames[2] = solidPicture(9, 9, blue);
    scene.moves->setView(false, 100, 100);
    TFountainsList fountains;
    TParticlesFountain& smoke = fountains.emplace_front(TParticleType::ParticleSmoke, TVector{0, 0}, [] {});
    TParticle puff;
    puff.position = {300, 300};
    puff.imageIndex = 2;
    smoke.particles.push_front(puff);
    puff.position = {500, 300};
    puff.imageIndex = 6; // past the animation: nothing
    smoke.particles.push_front(puff);
    TParticlesFountain& sparks =
        fountains.emplace_front(TParticleType::ParticleNoImage, TVector{0, 0}, [] {});
    TParticle spark;
    spark.position = {400.5, 250.5};
    spark.size = 3;
    sparks.particles.push_front(spark);
    display.draw(fountains);
    expectScreen({{196, 196, blue}, {204, 204, blue}, {205, 204, backdrop}, {400, 200, backdrop}});
    // (400, 250) rounded, 3 x 3 from (299, 149) on the screen, colour 0xFFCC3300.
    const TRgba sparkColour{0xCC, 0x33, 0x00, 255};
    expectScreen({{299, 149, sparkColour}, {301, 151, sparkColour}, {302, 151, backdrop}});
    EXPECT_EQ(changedPixels(), 81 + 9);
}
