#include "render/u_tumbok_display.hpp"

#include "model/u_data_teams.hpp"
#include "render/render_scene.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace render_test;

namespace {

// Legs: left column red, right column yellow with frame 2 blue. Body: left half white, right half green.
struct TTumbokScene : TRenderScene {
    TTumbokScene() : teams(2, 3, 0), tumboks(display, *moves, teams) {
        tumboks.legsImage = solidPicture(32, 192, red);
        fillArea(tumboks.legsImage.get(), 16, 0, 16, 192, yellow);
        fillArea(tumboks.legsImage.get(), 16, 2 * 24, 16, 24, blue);
        tumboks.bodyImage = solidPicture(32, 26, white);
        fillArea(tumboks.bodyImage.get(), 16, 0, 16, 26, green);
        tumboks.weaponLeft = createSurface(0, 0, true);
        tumboks.weaponRight = createSurface(0, 0, true);
        teams.teams[0].flagSmall = solidPicture(12, 8, yellow);
    }

    TTumbok& tumbok(double x, double y, TDirection facing, int frame = 0) {
        TTumbok& t = teams.teams[0].tumboks[0];
        t.position = {x, y};
        t.direction = facing;
        t.frame = frame;
        return t;
    }

    TTeamsManager teams;
    TTumbokDisplay tumboks;
};

bool isSight(TPixelPoint s) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const TRgba expected = (dx == 0 && dy == 0) ? white : black;
            if (screenPixel(s.x + dx, s.y + dy) != expected) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(TumbokDisplay, OriginRoundsHalvesToEvenAndFollowsTheCamera) {
    TTumbokScene scene;
    const TTumbok& t = scene.tumbok(100.5, 200.5, TDirection::DirectionRight);
    EXPECT_EQ(scene.tumboks.origin(t), (TPixelPoint{96, 196}));
    scene.moves->setView(false, 50, 20);
    EXPECT_EQ(scene.tumboks.origin(t), (TPixelPoint{46, 176}));
}

TEST(TumbokDisplay, FlagHealthBodyAndLegsStandWhereTheGeometryPutsThem) {
    TTumbokScene scene;
    const TTumbok& t = scene.tumbok(101, 201, TDirection::DirectionRight, 2);
    scene.tumboks.draw(t, false);
    // O = (96, 196). Legs: frame 2 of the right column at O + (0, 26).
    expectScreen({{96, 222, blue}, {111, 245, blue}, {96, 246, backdrop}, {112, 222, backdrop}});
    // Body: the right half at O.
    expectScreen({{96, 196, green}, {111, 221, green}, {112, 210, backdrop}});
    // Flag at O + (-10, -7) in a black frame one pixel wide.
    expectScreen(
        {{86, 189, yellow}, {97, 190, yellow}, {85, 188, black}, {98, 190, black}, {84, 190, backdrop}});
    // Health bar 40 x 6 at O + (-12, -13): black border, filled inside at full health.
    expectScreen({{84, 183, black}, {123, 188, black}, {124, 185, backdrop}});
    const TRgba fullBar = screenPixel(85, 184);
    EXPECT_NE(fullBar, black);
    EXPECT_NE(fullBar, backdrop);

    // The one bar is reused: a dead tumbok drawn next shows an empty bar.
    scene.clearScreen();
    TTumbok& dead = scene.tumbok(301, 201, TDirection::DirectionLeft, 0);
    dead.health = 0;
    scene.tumboks.draw(dead, false);
    expectScreen({{285, 184, black}, {321, 186, black}});
    // Facing left: left halves.
    expectScreen({{296, 222, red}, {296, 196, white}});
}

TEST(TumbokDisplay, SightStandsSixtyPixelsOutInTheFiringDirection) {
    struct TCase {
        TDirection facing;
        double aim;
        TPixelPoint offset;
        double firing;
    };
    const TCase cases[] = {
        {TDirection::DirectionLeft, 30, {-52, -30}, 150}, {TDirection::DirectionRight, 0, {60, 0}, 0},
        {TDirection::DirectionLeft, 0, {-60, 0}, 180},    {TDirection::DirectionRight, -90, {0, 60}, -90},
        {TDirection::DirectionRight, 90, {0, -60}, 90},
    };
    for (const TCase& c : cases) {
        TTumbokScene scene;
        scene.tumboks.changeAim(c.aim);
        const TTumbok& t = scene.tumbok(405, 305, c.facing);
        EXPECT_DOUBLE_EQ(scene.tumboks.firingAngle(t), c.firing);
        EXPECT_EQ(scene.tumboks.sightOffset(t), c.offset);
        scene.tumboks.draw(t, true);
        // O = (400, 300), hands at C = (408, 316).
        EXPECT_TRUE(isSight({408 + c.offset.x, 316 + c.offset.y})) << "aim " << c.aim;
    }
}

TEST(TumbokDisplay, AimIsClampedToAQuarterTurnEachWay) {
    TTumbokScene scene;
    scene.tumboks.changeAim(88);
    scene.tumboks.changeAim(TTumbokDisplay::aimStep);
    EXPECT_DOUBLE_EQ(scene.tumboks.aimAngle, 90);
    scene.tumboks.changeAim(-177);
    scene.tumboks.changeAim(-TTumbokDisplay::aimStep);
    EXPECT_DOUBLE_EQ(scene.tumboks.aimAngle, -90);
}

// A sight just past the right edge must not wrap onto the start of the next row.
TEST(TumbokDisplay, SightIsClippedToTheWindow) {
    TTumbokScene scene;
    const TTumbok& t = scene.tumbok(737, 305, TDirection::DirectionRight); // C = (740, 316), S = (800, 316)
    scene.tumboks.draw(t, true);
    expectScreen({{799, 316, black}, {0, 316, backdrop}, {0, 317, backdrop}, {1, 317, backdrop}});

    scene.clearScreen();
    scene.tumboks.changeAim(-90);
    const TTumbok& low = scene.tumbok(405, 529, TDirection::DirectionRight); // S = (408, 600)
    scene.tumboks.draw(low, true);
    expectScreen({{408, 599, black}, {407, 0, backdrop}, {408, 0, backdrop}});
}

TEST(TumbokDisplay, ActiveTumbokHoldsTheWeaponTurnedToTheAimOthersTheirHands) {
    TTumbokScene scene;
    scene.tumboks.weaponRight = solidPicture(21, 5, red);
    scene.tumboks.weaponLeft = solidPicture(21, 5, blue);
    scene.tumboks.handsRight = solidPicture(7, 7, yellow);
    const TTumbok& t = scene.tumbok(405, 305, TDirection::DirectionRight); // C = (408, 316)
    scene.tumboks.draw(t, true);
    expectScreen({{408 + 8, 316, red}, {408, 316 - 8, green, "the body, not the weapon"}});

    scene.clearScreen();
    scene.tumboks.changeAim(90);
    scene.tumboks.draw(t, true);
    EXPECT_EQ(screenPixel(408, 316 - 8), red);
    EXPECT_NE(screenPixel(408 + 8, 316), red);

    scene.clearScreen();
    const TTumbok& left = scene.tumbok(405, 305, TDirection::DirectionLeft);
    scene.tumboks.draw(left, true);
    EXPECT_EQ(screenPixel(408, 316 - 8), blue);

    scene.clearScreen();
    scene.tumboks.draw(scene.tumbok(405, 305, TDirection::DirectionRight), false);
    expectScreen({{405, 313, yellow}, {411, 319, yellow}, {408, 316 - 8, green}});
}

TEST(TumbokDisplay, NewWeaponIsShownAtAnAimAlreadyDrawn) {
    TTumbokScene scene;
    scene.tumboks.weaponRight = solidPicture(21, 5, red);
    const TTumbok& t = scene.tumbok(405, 305, TDirection::DirectionRight);
    scene.tumboks.draw(t, true);
    scene.tumboks.setWeapon(TWeapon::WeaponFragmentation);
    EXPECT_EQ(scene.tumboks.weapon, TWeapon::WeaponFragmentation);
    scene.tumboks.weaponRight = solidPicture(21, 5, blue);
    scene.clearScreen();
    scene.tumboks.draw(t, true);
    EXPECT_EQ(screenPixel(408 + 8, 316), blue);
}

TEST(TumbokDisplay, MarkerArrowStandsAboveTheTumbok) {
    TTumbokScene scene;
    scene.tumboks.arrowImage = solidPicture(10, 20, red);
    scene.tumboks.drawArrow(scene.tumbok(405, 305, TDirection::DirectionLeft)); // O = (400, 300)
    expectScreen(
        {{403, 236, red}, {412, 255, red}, {403, 256, backdrop}, {402, 236, backdrop}, {413, 250, backdrop}});
}

TEST(TumbokDisplay, DeadTumbokIsStampedIntoTheTerrain) {
    TTumbokScene scene;
    scene.tumboks.deadImage = solidPicture(10, 12, white);
    TTumbok& t = scene.tumbok(50, 60, TDirection::DirectionLeft);
    scene.tumboks.stampDead(t, scene.terrain.get());
    SDL_Surface* terrain = scene.terrain.get();
    // Grave at (45, 62), flag at (56, 87).
    EXPECT_EQ(pixelAt(terrain, 45, 62), white);
    EXPECT_EQ(pixelAt(terrain, 54, 73), white);
    EXPECT_EQ(pixelAt(terrain, 44, 62).a, 0);
    EXPECT_EQ(pixelAt(terrain, 45, 74).a, 0);
    EXPECT_EQ(pixelAt(terrain, 56, 87), yellow);
    EXPECT_EQ(pixelAt(terrain, 67, 94), yellow);
    EXPECT_EQ(pixelAt(terrain, 68, 94).a, 0);

    // At the edges and far away only what lies inside the terrain changes, and nothing crashes.
    t.position = {-3, -10};
    scene.tumboks.stampDead(t, scene.terrain.get());
    EXPECT_EQ(pixelAt(terrain, 0, 0), white);
    t.position = {1e12, -1e12};
    scene.tumboks.stampDead(t, scene.terrain.get());
    t.position = {NAN, 0};
    scene.tumboks.stampDead(t, scene.terrain.get());
    scene.tumboks.stampDead(t, nullptr);
}

// A tumbok that is not active is drawn from one composed picture: it must look as its parts blitted one by
// one in their order, half-transparent pixels included.
TEST(TumbokDisplay, InactiveTumbokLooksLikeItsPartsDrawnInOrder) {
    TTumbokScene scene;
    TTumbokDisplay& d = scene.tumboks;
    const auto halfSeen = [](SDL_Surface* picture, TRgba colour, int x, int y, int w, int h) {
        fillArea(picture, x, y, w, h, colour);
        SDL_SetAlpha(picture, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    };
    halfSeen(d.bodyImage.get(), {0, 0, 250, 128}, 16, 10, 16, 10);
    d.handsRight = solidPicture(12, 12, {250, 0, 0, 90});
    halfSeen(d.handsRight.get(), {0, 0, 0, 0}, 0, 0, 3, 12);
    halfSeen(d.legsImage.get(), {0, 0, 0, 0}, 16, 48, 8, 24);
    SDL_SetAlpha(d.legsImage.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    SDL_SetAlpha(scene.teams.teams[0].flagSmall.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    TTumbok& t = scene.tumbok(305, 305, TDirection::DirectionRight, 2); // O = (300, 300)
    t.health = 55;
    d.draw(t, false);
    SurfacePtr composed = createSurface(800, 600, false);
    SDL_BlitSurface(scene.display.screen, nullptr, composed.get(), nullptr);

    scene.clearScreen();
    SDL_Surface* screen = scene.display.screen;
    const auto blit = [&](SDL_Surface* picture, SDL_Rect part, int x, int y) {
        SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(picture, &part, screen, &at);
    };
    SDL_Surface* flag = scene.teams.teams[0].flagSmall.get();
    fillArea(screen, 289, 292, flag->w + 2, flag->h + 2, black);
    blit(flag, {0, 0, 12, 8}, 290, 293);
    d.healthBar->setValue(55);
    blit(d.healthBar->surface.get(), {0, 0, 40, 6}, 288, 287);
    blit(d.legsImage.get(), {16, 48, 16, 24}, 300, 326);
    blit(d.bodyImage.get(), {16, 0, 16, 26}, 300, 300);
    blit(d.handsRight.get(), {0, 0, 12, 12}, 302, 310);

    int worst = 0;
    const SurfaceLock lockComposed(composed.get());
    const SurfaceLock lockScreen(screen);
    for (int y = 270; y < 370; ++y) {
        for (int x = 270; x < 350; ++x) {
            const TRgba a = pixelAt(composed.get(), x, y);
            const TRgba b = pixelAt(screen, x, y);
            worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    }
    EXPECT_LE(worst, 3);
}
