#include "render/u_map_moves.hpp"

#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"

#include <gtest/gtest.h>

namespace {

struct TCamera {
    TCamera(int terrainWidth, int terrainHeight, int backWidth, int backHeight)
        : screen(createSurface(800, 600, false)), terrain(createSurface(terrainWidth, terrainHeight, true)),
          background(createSurface(backWidth, backHeight, false)),
          moves(screen.get(), terrain.get(), background.get()) {}

    SurfacePtr screen;
    SurfacePtr terrain;
    SurfacePtr background;
    TMoves moves;
};

} // namespace

TEST(MapMoves, StartsAtTheTopLeftWithWindowSizedViews) {
    TCamera camera(1600, 1200, 1000, 700);
    const TMoves& m = camera.moves;
    EXPECT_EQ(topLeft(m.view), std::pair(0, 0));
    EXPECT_EQ(m.view.w, 800);
    EXPECT_EQ(m.view.h, 600);
    EXPECT_EQ(m.backView.w, 800);
    EXPECT_EQ(m.backView.h, 600);
    EXPECT_EQ(m.mapRect.w, 1600);
    EXPECT_EQ(m.backRect.h, 700);
}

TEST(MapMoves, BackgroundMovesInProportionToTheCamera) {
    TCamera camera(1600, 1200, 1000, 700);
    EXPECT_TRUE(camera.moves.setView(false, 800, 600));
    EXPECT_EQ(topLeft(camera.moves.backView), std::pair(200, 100));
    EXPECT_TRUE(camera.moves.setView(false, 400, 300));
    EXPECT_EQ(topLeft(camera.moves.backView), std::pair(100, 50));
    EXPECT_FALSE(camera.moves.setView(false, 400, 300));
}

TEST(MapMoves, SmoothMovesCoverAQuarterAndTargetsPastAnEdgeSnap) {
    TCamera camera(1600, 1200, 1000, 700);
    TMoves& m = camera.moves;
    m.setView(true, 400, 0);
    EXPECT_EQ(m.view.x, 100);
    m.setView(true, 400, 0);
    EXPECT_EQ(m.view.x, 175);
    m.setView(true, 400, 0);
    EXPECT_EQ(m.view.x, 231);
    m.setView(true, -50, 0);
    EXPECT_EQ(m.view.x, 0);
    m.setView(true, 5000, 5000);
    EXPECT_EQ(topLeft(m.view), std::pair(800, 600));
    EXPECT_EQ(topLeft(m.backView), std::pair(200, 100));
}

TEST(MapMoves, FollowKeepsATumbokInsideTheMargins) {
    TCamera camera(1600, 1200, 1000, 700);
    TMoves& m = camera.moves;
    EXPECT_FALSE(m.follow(false, 150, 300)); // asks for -50, clamped to 0
    EXPECT_EQ(m.view.x, 0);
    EXPECT_TRUE(m.follow(false, 700, 300)); // 700 - 800 + 216
    EXPECT_EQ(topLeft(m.view), std::pair(116, 0));
    // Inside the margins nothing moves.
    EXPECT_FALSE(m.follow(false, 400, 300));
    // Below the bottom margin: y - 600 + 125 + 50.
    EXPECT_TRUE(m.follow(false, 400, 500));
    EXPECT_EQ(m.view.y, 75);
    // Above the top margin: y - 125.
    EXPECT_TRUE(m.follow(false, 400, 150));
    EXPECT_EQ(m.view.y, 25);
}

TEST(MapMoves, MoveByStepsAHundredPixelsAndStopsAtTheEdges) {
    TCamera camera(1650, 1200, 1000, 700);
    TMoves& m = camera.moves;
    EXPECT_TRUE(m.moveBy(1, 0));
    EXPECT_EQ(m.view.x, 100);
    EXPECT_TRUE(m.moveBy(0, 1));
    EXPECT_EQ(m.view.y, 100);
    for (int i = 0; i < 20; ++i) {
        m.moveBy(1, 1);
    }
    EXPECT_EQ(topLeft(m.view), std::pair(850, 600));
    EXPECT_FALSE(m.moveBy(1, 1));
    m.moveBy(-100, -100);
    EXPECT_EQ(topLeft(m.view), std::pair(0, 0));
}

TEST(MapMoves, CenterOnPutsThePointInTheMiddleOfTheWindow) {
    TCamera camera(1600, 1200, 1000, 700);
    EXPECT_TRUE(camera.moves.centerOn(false, 900, 700));
    EXPECT_EQ(topLeft(camera.moves.view), std::pair(500, 400));
}

// A terrain no larger than the window, or a background no larger than it, leaves nothing to divide by:
// the camera and the background stay at 0 on that axis, the other axis works as usual.
TEST(MapMoves, SmallOrMissingPicturesKeepTheCameraInsideTheMap) {
    TCamera narrow(800, 1200, 1000, 700);
    narrow.moves.setView(false, 300, 300);
    EXPECT_EQ(narrow.moves.view.x, 0);
    EXPECT_EQ(narrow.moves.backView.x, 0);
    EXPECT_EQ(narrow.moves.view.y, 300);
    EXPECT_EQ(narrow.moves.backView.y, 50);

    TCamera tiny(500, 400, 1000, 700);
    tiny.moves.setView(true, 300, 300);
    tiny.moves.follow(false, 450, 350);
    tiny.moves.moveBy(1, 1);
    EXPECT_EQ(topLeft(tiny.moves.view), std::pair(0, 0));
    EXPECT_EQ(tiny.moves.backView.x, 0);

    TCamera smallBack(1600, 1200, 640, 480);
    smallBack.moves.setView(false, 800, 600);
    EXPECT_EQ(smallBack.moves.view.x, 800);
    EXPECT_EQ(topLeft(smallBack.moves.backView), std::pair(0, 0));

    TCamera missing(0, 0, 0, 0);
    EXPECT_FALSE(missing.moves.centerOn(true, 1e9, -1e9));
    EXPECT_EQ(missing.moves.view.x, 0);
    EXPECT_EQ(missing.moves.backView.y, 0);
}
