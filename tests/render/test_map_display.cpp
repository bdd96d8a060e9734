#include "physics/u_physics_projectile_manager.hpp"
#include "render/map_scene.hpp"
#include "render/u_explosion_display.hpp"
#include "resources/u_diagnostics.hpp"
#include "support/sdl_events.hpp"

#include "resources/u_numbers.hpp"

#include <algorithm>
#include <cstring>

using namespace render_test;

namespace {

TVector centreOf(const TTumbok& t) {
    return {t.position.x + t.width / 2, t.position.y + t.height / 2};
}

// The camera that centres a map point, inside a 1600 x 1200 map.
SDL_Rect centredView(TVector point) {
    const int x = std::clamp(roundHalfEven(point.x - 400), 0, 800);
    const int y = std::clamp(roundHalfEven(point.y - 300), 0, 600);
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), 800, 600};
}

} // namespace

TEST(MapDisplay, FrameShowsTheBackgroundWithParallaxBehindTheTerrain) {
    TMapScene scene;
    scene.states().pushState(TGameStateType::StateEscMenu); // neither physics nor camera move
    scene.moves().setView(false, 800, 600);
    scene.map->draw();
    // Camera (800, 600): the background shows from (200, 100); the ground starts at map y 900.
    EXPECT_EQ(screenPixel(0, 0), backgroundColourAt(200, 100));
    EXPECT_EQ(screenPixel(37, 150), backgroundColourAt(237, 250));
    EXPECT_EQ(screenPixel(10, 299), backgroundColourAt(210, 399));
    EXPECT_EQ(screenPixel(10, 300), groundColour);

    scene.moves().setView(false, 400, 300);
    scene.map->draw();
    EXPECT_EQ(screenPixel(0, 0), backgroundColourAt(100, 50));
}

TEST(MapDisplay, EscapeMenuFreezesThePhysicsAndTheCameraButStillDraws) {
    TMapScene scene;
    TTumbok& falling = scene.tumbok(1, 1);
    falling.position = {700, 300};
    falling.speed = {0, 0};
    const SDL_Rect view = scene.moves().view;
    scene.states().pushState(TGameStateType::StateEscMenu);
    scene.frames(5);
    EXPECT_EQ(falling.position, (TVector{700, 300}));
    EXPECT_EQ(topLeft(scene.moves().view), topLeft(view));
    EXPECT_GT(changedPixels(), 0);

    scene.states().pop();
    scene.frames(2);
    EXPECT_GT(falling.position.y, 300);
}

TEST(MapDisplay, CameraFollowsTheActiveTumbokWithinItsMarginsAndBounds) {
    TMapScene scene;
    TTumbok& cur = scene.standAt(scene.current(), 1500);
    scene.moves().setView(false, 0, 0);
    scene.map->draw();
    // Past the right margin the camera would go to 1500 - 800 + 216 = 916: it stops at the edge at once.
    EXPECT_EQ(scene.moves().view.x, 800);
    scene.frames(60);
    // y = 860 (settling to 859.35): y + 50 > camera y + 475 asks for 859 - 600 + 175 = 434; the quarter
    // steps stop within two pixels of it.
    EXPECT_NEAR(scene.moves().view.y, 434, 2);
    scene.standAt(cur, 300);
    scene.frames(60);
    EXPECT_NEAR(scene.moves().view.x, 100, 2); // 300 - 200
}

TEST(MapDisplay, ControlArrowsMoveTheCameraOnPressAndReleaseAndFreeIt) {
    TMapScene scene;
    scene.standAt(scene.current(), 400);
    scene.moves().setView(false, 200, 300);
    {
        const ScopedControlKey control;
        scene.map->handleEvent(keyDown(SDLK_RIGHT));
        scene.map->handleEvent(keyUp(SDLK_RIGHT));
        scene.map->handleEvent(keyDown(SDLK_DOWN));
    }
    EXPECT_EQ(topLeft(scene.moves().view), std::pair(400, 400));
    EXPECT_TRUE(scene.map->freeView);
    scene.frames(10);
    EXPECT_EQ(scene.moves().view.x, 400); // left where the player put it

    // Any key without Control gives the camera back to the automatic following.
    scene.map->handleEvent(keyDown(SDLK_a));
    EXPECT_FALSE(scene.map->freeView);
    scene.frames(40);
    EXPECT_NEAR(scene.moves().view.x, 200, 2); // 400 - 200
}

TEST(MapDisplay, RecentreKeyCentresTheActiveTumbokFully) {
    TMapScene scene;
    TTumbok& cur = scene.standAt(scene.current(), 1000);
    scene.frames(3);
    // Inside the follow margins but well off the middle: following alone would never move.
    scene.moves().setView(false, 750, 500);
    scene.frames(3);
    ASSERT_EQ(scene.moves().view.x, 750);
    scene.map->handleEvent(keyDown(SDLK_c));
    scene.frames(30);
    const SDL_Rect centred = centredView(centreOf(cur));
    EXPECT_EQ(topLeft(scene.moves().view), topLeft(centred));

    // Held with key repeat, `c` does not act again; after a release it does.
    scene.moves().setView(false, 750, 500);
    scene.map->handleEvent(keyDown(SDLK_c));
    scene.frames(30);
    EXPECT_EQ(scene.moves().view.x, 750);
    scene.map->handleEvent(keyUp(SDLK_c));
    scene.map->handleEvent(keyDown(SDLK_c));
    scene.frames(30);
    EXPECT_EQ(topLeft(scene.moves().view), topLeft(centred));
}

TEST(MapDisplay, MouseAtTheEdgeScrollsAndRightClickRecentres) {
    TMapScene scene;
    scene.standAt(scene.current(), 400);
    scene.context.preferences.scrolling = true;
    scene.map->freeView = true;
    scene.moves().setView(false, 200, 300);
    scene.mouse = {400, 300, 0, 0};
    scene.frames(3);
    EXPECT_EQ(topLeft(scene.moves().view), std::pair(200, 300));
    EXPECT_TRUE(scene.map->freeView);
    // 16 pixels from the right edge: 784 + 16 > 800 - 200, target x = 200 + 784 - 800 + 216 = 400.
    scene.mouse = {784, 300, 0, 0};
    scene.map->draw();
    EXPECT_EQ(scene.moves().view.x, 250);
    scene.frames(40);
    EXPECT_EQ(scene.moves().view.x, 800);
    // With scrolling on, a right click is not the camera's.
    EXPECT_FALSE(scene.map->rightClickAt(100, 100));

    scene.context.preferences.scrolling = false;
    scene.map->freeView = false;
    scene.moves().setView(false, 200, 300);
    EXPECT_TRUE(scene.map->rightClickAt(600, 300)); // centre on map x 800: a quarter of the way to 400
    EXPECT_EQ(scene.moves().view.x, 250);
    EXPECT_TRUE(scene.map->freeView);
}

TEST(MapDisplay, ClickWithinTenPixelsOfATumbokSelectsIt) {
    TMapScene scene(2, 3);
    scene.moves().setView(false, 0, 600);
    scene.standAt(scene.tumbok(0, 1), 600);
    scene.standAt(scene.tumbok(0, 2), 200);
    const int top = groundTop - TTumbok::tumbokHeight - 600;
    scene.map->selectAt(600 - 11, top + 20);
    EXPECT_EQ(scene.physics->view().teams.current.tumbok, 0);
    scene.map->selectAt(600 - 10, top + 20);
    EXPECT_EQ(scene.physics->view().teams.current.tumbok, 1);
    scene.map->selectAt(200 + 16 + 9, top + 50 + 9);
    EXPECT_EQ(scene.physics->view().teams.current.tumbok, 2);
}

TEST(MapDisplay, FireLaunchesTheShownWeaponAndTheCameraFollowsTheShot) {
    TMapScene scene;
    scene.standAt(scene.current(), 800);
    scene.frames(2);
    scene.physics->takeNewTurn();
    scene.map->setWeapon(TWeapon::WeaponGrenade);
    scene.map->tumbokDisplay->changeAim(60);
    ASSERT_TRUE(scene.map->fire(1500));
    ASSERT_TRUE(scene.physics->view().projectiles.inFlight());
    EXPECT_EQ(scene.physics->view().projectiles.projectile->weapon, TWeapon::WeaponGrenade);
    EXPECT_EQ(scene.states().current(), TGameStateType::StateMotion);
    // Facing left with an aim of 60: the shot leaves up and to the left.
    scene.map->draw();
    const TProjectile& shot = *scene.physics->view().projectiles.projectile;
    EXPECT_LT(shot.speed.x, 0);
    EXPECT_LT(shot.speed.y, 0);
    TMoves expected(scene.display.screen, scene.physics->terrainSurface(), scene.map->background.get());
    expected.view = scene.moves().view;
    EXPECT_FALSE(expected.follow(false, shot.position.x, shot.position.y));
    // A second shot in the same turn is refused.
    EXPECT_FALSE(scene.map->fire(1500));
}

TEST(MapDisplay, DeadTumbokStampedByThePhysicsStaysInTheTerrainShown) {
    TMapScene scene;
    scene.map->tumbokDisplay->deadImage = solidPicture(10, 12, white);
    TTumbok& dead = scene.standAt(scene.tumbok(1, 1), 820);
    dead.position.y -= 30;
    dead.health = 0;
    for (int i = 0; i < 100 && !dead.out; ++i) {
        scene.frames(1);
    }
    ASSERT_TRUE(dead.out);
    const int graveX = roundHalfEven(dead.position.x - 5);
    const int graveY = roundHalfEven(dead.position.y - 5 + 7);
    EXPECT_EQ(pixelAt(scene.physics->terrainSurface(), graveX + 4, graveY + 5), white);
    scene.states().pushState(TGameStateType::StateEscMenu);
    scene.moves().centerOn(false, graveX, graveY);
    scene.map->draw();
    EXPECT_EQ(screenPixel(graveX + 4 - scene.moves().view.x, graveY + 5 - scene.moves().view.y), white);
}

TEST(MapDisplay, NothingIsDrawnOnceTheMatchIsOver) {
    TMapScene scene;
    for (TTumbok& t : peer(*scene.physics).teams().teams[1].tumboks) {
        t.health = 0;
    }
    scene.current().health = 0;
    for (int i = 0; i < 400 && !scene.map->stopped; ++i) {
        scene.frames(1);
    }
    ASSERT_TRUE(scene.map->stopped);
    fillSurface(scene.display.screen, backdrop);
    scene.frames(3);
    EXPECT_EQ(changedPixels(), 0);
}

// No background, a terrain no larger than the window, then none at all: frames still draw, nothing
// divides by zero and the camera stays at the origin.
TEST(MapDisplay, MissingOrSmallPicturesStillDrawAFrame) {
    for (const auto& [width, height] : {std::pair{640, 480}, std::pair{0, 0}}) {
        const TDiagnosticCapture quiet;
        TMapScene scene(2, 2, width, height, false);
        scene.context.preferences.scrolling = true;
        scene.mouse = {799, 599, 0, 0};
        scene.map->handleEvent(keyDown(SDLK_c));
        scene.frames(5);
        EXPECT_EQ(topLeft(scene.moves().view), std::pair(0, 0));
        EXPECT_EQ(scene.moves().backView.x, 0);
    }
}
