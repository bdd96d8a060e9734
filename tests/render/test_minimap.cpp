// The minimap: its scales, the dots and the camera outline it draws, clicks that move the camera, and when it
// scales the terrain again.
#include "render/u_minimap.hpp"

#include "physics/u_physics_explosion.hpp"
#include "render/hud_scene.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace hud_test;
using render_test::screenPixel;

namespace {

constexpr int mapX = 310;
constexpr int mapY = 510;
const TRgba outlineRed{255, 0, 0, 255};
const TRgba frameGrey{0x33, 0x33, 0x33, 255};
const TRgba dotBlack{0, 0, 0, 255};

TRgba rgbOf(Uint32 colour) {
    return {static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8), static_cast<Uint8>(colour),
            255};
}

class MinimapScene {
public:
    explicit MinimapScene(const THudSetup& setup = {}) : scene(setup), minimap(make(scene.sources())) {
        bringEveryoneBack();
    }
    MinimapScene(const THudSetup& setup, SDL_Surface* terrain, SDL_Surface* background)
        : scene(setup), minimap(make({background, terrain, *scene.moves, scene.freeView})) {
        bringEveryoneBack();
    }

    // On an empty terrain the placement finds no ground and leaves the tumboks out of the match.
    void bringEveryoneBack() {
        for (TTeam& team : scene.teams().teams) {
            for (TTumbok& tumbok : team.tumboks) {
                tumbok.out = false;
                tumbok.position = vector(1500, 1100);
            }
        }
    }

    void place(int team, int number, double x, double y) {
        scene.tumbok(team, number).position = vector(x, y);
    }
    void paintTerrain(int x, int y, int w, int h, TRgba colour) {
        fillArea(scene.physics->terrainSurface(), x, y, w, h, colour);
    }
    void redraw() {
        scene.clearScreen();
        minimap.draw();
    }

    THudScene scene;
    TMinimap minimap;

private:
    TMinimap make(const TMinimapSources& sources) {
        return TMinimap(scene.display, mapX, mapY, 180, 80, sources, scene.physics->view(), 800, 600);
    }
};

} // namespace

TEST(Minimap, FitsTheTerrainIntoItsBoxKeepingProportions) {
    MinimapScene tall(terrainOf(1600, 1200));
    EXPECT_NEAR(tall.minimap.mapScale, 1.0 / 15.0, 1e-12);
    EXPECT_EQ(topLeft(tall.minimap.area), std::pair(mapX, mapY));
    EXPECT_EQ(tall.minimap.area.w, 106);
    EXPECT_EQ(tall.minimap.area.h, 80);
    // The 1000 x 700 background covers the whole minimap.
    EXPECT_NEAR(tall.minimap.backScale, 80.0 / 700.0, 1e-12);
    EXPECT_EQ(tall.minimap.viewRect.w, 800);
    EXPECT_EQ(tall.minimap.viewRect.h, 600);

    MinimapScene wide(terrainOf(3000, 800));
    EXPECT_NEAR(wide.minimap.mapScale, 0.06, 1e-12);
    EXPECT_EQ(wide.minimap.area.w, 180);
    EXPECT_EQ(wide.minimap.area.h, 48);
}

TEST(Minimap, WithoutATerrainPictureDrawsNothingAndIgnoresClicks) {
    const SurfacePtr noTerrain = createSurface(0, 0, true);
    const SurfacePtr flatTerrain = createSurface(500, 0, true);
    const SurfacePtr noBackground = createSurface(0, 0, false);
    for (SDL_Surface* terrain : {noTerrain.get(), flatTerrain.get()}) {
        MinimapScene s(terrainOf(900, 700), terrain, noBackground.get());
        EXPECT_TRUE(s.minimap.empty());
        EXPECT_EQ(s.minimap.mapScale, 0.0);
        EXPECT_EQ(s.minimap.backScale, 0.0);
        s.redraw();
        EXPECT_EQ(render_test::changedPixels(), 0);
        EXPECT_FALSE(s.minimap.handleEvent(mouseDown(mapX, mapY)));
        EXPECT_FALSE(s.scene.freeView);
    }
}

TEST(Minimap, WithoutABackgroundTheFrameColourShowsUnderTheTerrain) {
    const SurfacePtr noBackground = createSurface(0, 0, false);
    MinimapScene s(terrainOf(1600, 1200));
    TMinimap bare(s.scene.display, mapX, mapY, 180, 80,
                  {noBackground.get(), s.scene.physics->terrainSurface(), *s.scene.moves, s.scene.freeView},
                  s.scene.physics->view(), 800, 600);
    EXPECT_EQ(bare.backScale, 0.0);
    s.scene.moves->setView(false, 800, 600);
    s.paintTerrain(0, 0, 1600, 300, {0, 200, 0, 255});
    s.scene.clearScreen();
    bare.draw();
    EXPECT_EQ(screenPixel(330, 512), (TRgba{0, 200, 0, 255})) << "the terrain";
    EXPECT_EQ(screenPixel(330, 540), frameGrey) << "and below it no background";
}

TEST(Minimap, OutlinesTheCameraWindow) {
    MinimapScene s(terrainOf(1600, 1200));
    s.scene.moves->setView(false, 800, 600);
    s.redraw();
    // Left edge at 310 + 53 - 1, top at 510 + 40 - 1; the window is about 53 x 40 pixels.
    EXPECT_EQ(screenPixel(362, 560), outlineRed);
    EXPECT_EQ(screenPixel(363, 560), outlineRed);
    EXPECT_NE(screenPixel(361, 560), outlineRed);
    EXPECT_EQ(screenPixel(380, 549), outlineRed) << "top edge";
    EXPECT_EQ(screenPixel(380, 589), outlineRed) << "bottom edge";
    EXPECT_EQ(screenPixel(416, 560), outlineRed) << "right edge at 310 + round(1600 / 15) - 1";
    EXPECT_EQ(screenPixel(402, 560), sky);
    EXPECT_EQ(screenPixel(380, 570), sky) << "inside the window the map shows";
    EXPECT_EQ(screenPixel(340, 530), sky);
    EXPECT_EQ(screenPixel(mapX - 1, 520), frameGrey);
}

TEST(Minimap, OutlineOfACameraLargerThanTheMapStaysOnTheMinimap) {
    MinimapScene s(terrainOf(400, 300));
    s.redraw();
    SDL_Rect near = s.minimap.area;
    inflateRect(near, TMinimap::outlineReach);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (screenPixel(x, y) == outlineRed) {
                const bool isNear = x >= near.x && x < near.x + near.w && y >= near.y && y < near.y + near.h;
                (isNear ? inside : outside) += 1;
            }
        }
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

TEST(Minimap, DotsEveryTumbokOnTheTerrainInItsTeamsColour) {
    THudSetup setup = terrainOf(1600, 1200);
    setup.nbTeams = 2;
    MinimapScene s(setup);
    s.scene.moves->setView(false, 800, 600); // keep the outline away from the dots
    s.place(0, 0, 158, 307);                 // active: (10, 20) on the minimap
    s.place(1, 0, 458, 607);                 // (30, 40)
    s.place(1, 1, 608, 307);                 // out of the match
    s.scene.tumbok(1, 1).out = true;
    s.place(1, 2, 1600, 307); // exactly on the right edge
    s.place(0, 1, 300, 1201); // fallen below the terrain
    s.place(0, 2, -1, 300);   // left of it
    s.redraw();

    EXPECT_EQ(screenPixel(318, 528), rgbOf(TMinimap::teamColour(0))) << "active: ring in its colour";
    EXPECT_EQ(screenPixel(320, 530), dotBlack) << "and a black centre";
    EXPECT_EQ(screenPixel(338, 548), dotBlack) << "others: a black ring";
    EXPECT_EQ(screenPixel(340, 550), rgbOf(TMinimap::teamColour(1))) << "and a centre in the colour";
    EXPECT_EQ(screenPixel(350, 530), sky) << "no dot for a tumbok out of the match";
    EXPECT_EQ(screenPixel(416, 530), rgbOf(TMinimap::teamColour(1))) << "on the right edge";
    EXPECT_EQ(screenPixel(330, 590), frameGrey) << "no dot below the terrain";
    EXPECT_EQ(screenPixel(310, 530), sky) << "no dot left of the terrain";

    EXPECT_EQ(TMinimap::teamColour(9), TMinimap::teamColour(0));
    EXPECT_EQ(TMinimap::teamColour(-1), TMinimap::teamColour(0));
    EXPECT_EQ(TMinimap::teamColour(8), 0xC0D24732u);
}

TEST(Minimap, AClickCentresTheCameraOnTheMapPointAndFreesTheView) {
    MinimapScene s(terrainOf(1600, 1200));
    TMoves& moves = *s.scene.moves;
    moves.setView(false, 800, 600);

    EXPECT_TRUE(s.minimap.handleEvent(mouseDown(mapX, mapY)));
    EXPECT_EQ(topLeft(moves.view), std::pair(0, 0)) << "map point (0, 0), clamped to the first window";
    EXPECT_TRUE(s.scene.freeView);

    s.scene.freeView = false;
    EXPECT_TRUE(s.minimap.handleEvent(mouseDown(mapX + 53, mapY + 40)));
    EXPECT_EQ(topLeft(moves.view), std::pair(795 - 400, 600 - 300));
    EXPECT_TRUE(s.scene.freeView);

    // The far edges: round(106.67) = 107 and 80 are still accepted, and clamp to the last window.
    EXPECT_EQ(s.minimap.mapPointAt(107, 80), (TMapPoint{1605, 1200}));
    EXPECT_TRUE(s.minimap.handleEvent(mouseDown(mapX + 107, mapY + 80)));
    EXPECT_EQ(topLeft(moves.view), std::pair(800, 600));

    s.scene.freeView = false;
    for (const auto& [x, y] : {std::pair{mapX + 108, mapY}, std::pair{mapX, mapY + 81},
                               std::pair{mapX - 1, mapY}, std::pair{mapX, mapY - 1}}) {
        EXPECT_FALSE(s.minimap.handleEvent(mouseDown(x, y))) << x << ", " << y;
    }
    SDL_Event release = mouseDown(mapX + 10, mapY + 10);
    release.type = SDL_MOUSEBUTTONUP;
    EXPECT_FALSE(s.minimap.handleEvent(release));
    EXPECT_EQ(moves.view.x, 800);
    EXPECT_FALSE(s.scene.freeView);
}

TEST(Minimap, RedrawsOnlyWhereTheMatchChangedTheTerrainAndAsAWholeRedrawWould) {
    MinimapScene s(terrainOf(1600, 1200));
    s.scene.moves->setView(false, 800, 600);
    s.redraw();
    ASSERT_EQ(screenPixel(320, 520), sky);
    ASSERT_EQ(screenPixel(400, 520), sky);

    const TRgba soil{138, 90, 52, 255};
    s.paintTerrain(0, 0, 600, 600, soil);    // the minimap's (310 .. 350, 510 .. 550)
    s.paintTerrain(1000, 0, 600, 600, soil); // its (376 .. 416, 510 .. 550)
    s.redraw();
    EXPECT_EQ(screenPixel(320, 520), sky) << "nothing told of a change: the small picture is kept";
    TPhysicsPeer match = peer(*s.scene.physics);
    match.terrainChanges().add({0, 0, 600, 600});
    s.redraw();
    EXPECT_EQ(screenPixel(320, 520), soil) << "the part the match changed";
    EXPECT_EQ(screenPixel(400, 520), sky) << "and only that part";

    // Told part by part, down to the crater of a real blast, the minimap ends as one drawn afresh.
    s.paintTerrain(0, 700, 1600, 500, soil);
    match.terrainChanges().add({1000, 0, 600, 600});
    match.terrainChanges().add({0, 700, 1600, 500});
    s.redraw();
    match.explosions().add(vector(500, 700));
    while (!match.explosions().allFinished()) {
        match.explosions().step();
    }
    s.redraw();
    const SDL_Rect area = s.minimap.area;
    std::vector<TRgba> partByPart;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            partByPart.push_back(screenPixel(x, y));
        }
    }
    TMinimap whole(s.scene.display, mapX, mapY, 180, 80, s.scene.sources(), s.scene.physics->view(), 800,
                   600);
    s.scene.clearScreen();
    whole.draw();
    int differing = 0;
    for (int y = area.y, i = 0; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x, ++i) {
            differing += screenPixel(x, y) == partByPart[static_cast<std::size_t>(i)] ? 0 : 1;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_NE(screenPixel(343, 556), soil) << "the crater shows";
}
