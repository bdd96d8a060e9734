// The information bar: its geometry, the time text, the team columns and the two forms.
#include "render/u_info_bar.hpp"

#include "render/hud_scene.hpp"
#include "resources/u_resource_paths.hpp"

#include <gtest/gtest.h>

using namespace hud_test;
using render_test::backdrop;
using render_test::black;

namespace {

void writeFlags(const std::filesystem::path& root, int nbTeams) {
    for (int team = 0; team < nbTeams; ++team) {
        const TRgba colour{static_cast<Uint8>(60 + 40 * team), 180, 90, 255};
        render_test::writeDataPicture(root, "game-images", flagFileName(team, TFlagSize::FlagSizeBig),
                                      render_test::solidPicture(40, 30, colour).get());
        render_test::writeDataPicture(root, "game-images", flagFileName(team, TFlagSize::FlagSizeSmall),
                                      render_test::solidPicture(16, 12, colour).get());
    }
}

THudSetup teamsWithFlags(int nbTeams) {
    THudSetup setup;
    setup.nbTeams = nbTeams;
    setup.pictures = [nbTeams](const std::filesystem::path& root) { writeFlags(root, nbTeams); };
    return setup;
}

class InfoBarScene {
public:
    explicit InfoBarScene(const THudSetup& setup = {})
        : scene(setup), bar(scene.display, scene.font, scene.physics->gameStateStack(), scene.physics->view(),
                            scene.sources()) {}

    void setHealths(int team, std::initializer_list<int> healths) {
        int number = 0;
        for (const int health : healths) {
            scene.tumbok(team, number++).health = health;
        }
    }

    // Rows of a team column's bar, counted from the bottom, that are not the bar's black back.
    int columnHeight(int team) const {
        const SDL_Surface* panel = bar.expandedSurface.get();
        const SurfaceLock lock(const_cast<SDL_Surface*>(panel));
        const int x = bar.columnX(team) + 15;
        int filled = 0;
        for (int y = bar.teamsOrigin.y + 1; y < bar.teamsOrigin.y + TInfoBar::columnHeight - 1; ++y) {
            const TRgba c = pixelAt(panel, x, y);
            filled += (c.r != 0 || c.g != 0 || c.b != 0) ? 1 : 0;
        }
        return filled;
    }

    THudScene scene;
    TInfoBar bar;
};

} // namespace

TEST(InfoBar, ColumnsAndWindAreaFollowTheNumberOfTeamsAndTheirFlags) {
    InfoBarScene four(teamsWithFlags(4));
    EXPECT_EQ(four.bar.teamsOrigin.y, 10);
    EXPECT_EQ(four.bar.teamsOrigin.x, 430);
    EXPECT_EQ(four.bar.columnX(1), 470);
    EXPECT_EQ(four.bar.columnX(2), 510);
    EXPECT_EQ(four.bar.columnX(3), 550);
    const SDL_Rect wind = four.bar.windArea();
    EXPECT_EQ(topLeft(wind), std::pair(100 + 40 + 16 + 20, 510));
    EXPECT_EQ(wind.w, 64);
    EXPECT_EQ(wind.h, 80);
    EXPECT_EQ(topLeft(four.bar.expandedRect), std::pair(100, 500));
    EXPECT_EQ(topLeft(four.bar.collapsedRect), std::pair(300, 568));
    EXPECT_EQ(four.bar.teamBar->maxValue, 300);

    InfoBarScene two; // no flag pictures: 0 x 0 stand-ins
    EXPECT_EQ(two.bar.columnX(0), 510);
    EXPECT_EQ(two.bar.columnX(1), 550);
    EXPECT_EQ(two.bar.windArea().x, 120);
}

TEST(InfoBar, TimeTextShowsWholeSecondsTruncatedTowardZero) {
    EXPECT_EQ(TInfoBar::timeText(39999), "39 s");
    EXPECT_EQ(TInfoBar::timeText(40000), "40 s");
    EXPECT_EQ(TInfoBar::timeText(999), "0 s");
    EXPECT_EQ(TInfoBar::timeText(-999), "0 s");
    EXPECT_EQ(TInfoBar::timeText(-1000), "-1 s");

    InfoBarScene s;
    s.scene.clock.advance(1); // 39 999 ms left
    s.bar.draw();
    EXPECT_EQ(s.bar.timerText->w, 4 * mediumCell);
    EXPECT_EQ(render_test::screenPixel(110, 574), render_test::white) << "bottom-left corner of the bar";
    const SDL_Surface* shown = s.bar.timerText.get();
    s.scene.clock.advance(998); // 39 001 ms: same second
    s.bar.draw();
    EXPECT_EQ(s.bar.timerText.get(), shown) << "the text is rendered again only when it changes";
    s.scene.clock.advance(39001 + 1500); // 1.5 s past the end: "-1 s"
    s.bar.draw();
    EXPECT_NE(s.bar.timerText.get(), shown);
    EXPECT_EQ(s.bar.timerText->w, 4 * mediumCell);

    s.bar.toggle();
    s.scene.clearScreen();
    s.bar.draw();
    const int right = 300 + 200 - 2;
    EXPECT_EQ(render_test::screenPixel(right - 1, 576), render_test::white) << "right-aligned, centred";
    EXPECT_NE(render_test::screenPixel(right, 576), render_test::white);
    EXPECT_NE(render_test::screenPixel(right - 1, 575), render_test::white);
}

TEST(InfoBar, HealthColumnsRiseWithTeamHealthAndStayEmptyWhenItIsGone) {
    InfoBarScene s(teamsWithFlags(2));
    s.setHealths(0, {100, 100, 100});
    s.setHealths(1, {100, 50, 0});
    s.bar.draw();
    // 3 tumboks of 100: the 53 rows inside the margin stand for 300.
    EXPECT_EQ(s.columnHeight(0), 53);
    EXPECT_EQ(s.columnHeight(1), 150 * 53 / 300);

    s.setHealths(0, {10, 0, -40}); // the dead one adds nothing, not a negative amount
    s.setHealths(1, {0, -5, -500});
    s.bar.draw();
    EXPECT_EQ(s.columnHeight(0), 10 * 53 / 300);
    EXPECT_EQ(s.columnHeight(1), 0);

    // The small flag centred under its column, 10 pixels below it, over a black frame.
    const SDL_Surface* panel = s.bar.expandedSurface.get();
    const int flagX = s.bar.columnX(1) + 2;
    EXPECT_EQ(pixelAt(panel, flagX - 1, 74), (TRgba{0, 0, 0, 255}));
    EXPECT_EQ(pixelAt(panel, flagX, 75), (TRgba{100, 180, 90, 255}));
    // The team on turn's big flag at (10, 10).
    EXPECT_EQ(pixelAt(panel, 10, 10), (TRgba{60, 180, 90, 255}));
    EXPECT_EQ(pixelAt(panel, 9, 9), (TRgba{0, 0, 0, 255}));
}

TEST(InfoBar, BothFormsLetTheBattlefieldShowThroughAndOnlyTheExpandedOneHasTheMinimap) {
    InfoBarScene s;
    // backdrop 40 under white at 64 / 255
    const auto translucent = [](TRgba c) { return c.r >= 90 && c.r <= 97 && c.r == c.g && c.g == c.b; };
    EXPECT_TRUE(s.bar.expanded);
    s.bar.draw();
    EXPECT_TRUE(translucent(render_test::screenPixel(104, 504))) << render_test::screenPixel(104, 504);
    EXPECT_EQ(render_test::screenPixel(380, 590), (TRgba{0x33, 0x33, 0x33, 255})) << "minimap frame";
    EXPECT_EQ(render_test::screenPixel(380, 520), sky) << "minimap background";
    EXPECT_EQ(render_test::screenPixel(99, 504), backdrop);

    s.bar.toggle();
    EXPECT_FALSE(s.bar.expanded);
    s.scene.clearScreen();
    s.bar.draw();
    EXPECT_TRUE(translucent(render_test::screenPixel(400, 569)));
    EXPECT_EQ(render_test::screenPixel(380, 520), backdrop) << "no minimap when collapsed";
    EXPECT_EQ(render_test::screenPixel(104, 504), backdrop);

    s.bar.toggle();
    EXPECT_TRUE(s.bar.expanded);
}

TEST(InfoBar, WindAtItsExtremesIsShownWithinTheBar) {
    InfoBarScene s;
    for (const double wind : {-500.0, 499.0, 1.0e12, -1.0e12}) {
        peer(*s.scene.physics).forces().wind.x = wind;
        s.bar.toggle();
        s.bar.draw();
        s.bar.toggle();
        s.bar.draw();
        EXPECT_EQ(s.bar.windInfo->wind, std::clamp(wind, -500.0, 500.0)) << wind;
    }
}
