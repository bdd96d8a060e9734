// The information bar on a real map display: the minimap shows its pictures, steers its camera and follows
// the craters the match carves.
#include "render/u_info_bar.hpp"

#include "physics/u_physics_explosion.hpp"
#include "render/map_scene.hpp"
#include "support/sdl_events.hpp"

#include <gtest/gtest.h>

using namespace render_test;

namespace {

// Where map point (x, y) of a 1600 x 1200 terrain lands on the minimap.
TRgba minimapPixel(int x, int y) {
    return screenPixel(310 + x / 15, 510 + y / 15);
}

} // namespace

TEST(InfoBarInAMatch, MinimapShowsTheMapDisplaysPicturesAndMovesItsCamera) {
    TMapScene scene;
    TInfoBar bar(scene.display, scene.font, scene.states(), scene.physics->view(), *scene.map);
    EXPECT_EQ(bar.minimap->terrain, scene.map->terrain);
    EXPECT_EQ(bar.minimap->background, scene.map->background.get());
    EXPECT_EQ(&bar.minimap->camera, &scene.moves().view);

    scene.map->freeView = false;
    EXPECT_TRUE(bar.minimap->handleEvent(mouseDown(310 + 100, 510 + 70)));
    EXPECT_EQ(topLeft(scene.moves().view), std::pair(800, 600))
        << "map point (1500, 1050), clamped to the last window";
    EXPECT_TRUE(scene.map->freeView);
}

TEST(InfoBarInAMatch, MinimapShowsTheCraterOfABlast) {
    TMapScene scene;
    TInfoBar bar(scene.display, scene.font, scene.states(), scene.physics->view(), *scene.map);
    for (TTeam& team : peer(*scene.physics).teams().teams) {
        for (TTumbok& t : team.tumboks) {
            scene.standAt(t, 100 + 20 * t.number + 200 * team.index);
        }
    }
    scene.frames(1);
    bar.draw();
    const TRgba ground = minimapPixel(1200, 915);
    EXPECT_EQ(ground, groundColour) << "solid ground below row 900";

    peer(*scene.physics).explosions().add(vector(1200, 910));
    for (int frame = 0; frame < 40 && !scene.physics->view().explosions.allFinished(); ++frame) {
        scene.frames(1);
        bar.draw();
    }
    ASSERT_TRUE(scene.physics->view().explosions.allFinished());
    bar.draw();
    EXPECT_NE(minimapPixel(1200, 915), groundColour) << "the crater shows";
}
