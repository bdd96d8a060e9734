// The wind indicator: which sock, which percentage, where they stand, and the collapsed gauge.
#include "render/u_wind_info.hpp"

#include "render/hud_scene.hpp"
#include "resources/u_data_files.hpp"

#include <gtest/gtest.h>

#include <climits>

using namespace hud_test;
using render_test::backdrop;
using render_test::black;

namespace {

const TRgba sockLeftColour{200, 20, 20, 255};
const TRgba sockRightColour{20, 20, 200, 255};

void writeSocks(const std::filesystem::path& root) {
    render_test::writeDataPicture(root, "game-images", dataFile::windSockLeft,
                                  render_test::solidPicture(30, 20, sockLeftColour).get());
    render_test::writeDataPicture(root, "game-images", dataFile::windSockRight,
                                  render_test::solidPicture(24, 16, sockRightColour).get());
}

THudSetup withSocks() {
    THudSetup setup = terrainOf(900, 700);
    setup.pictures = writeSocks;
    return setup;
}

} // namespace

TEST(WindInfo, ShowsTheSockOfTheWindsSideAndItsStrengthInPercent) {
    THudScene scene(withSocks());
    TWindInfo info(scene.display, scene.font);
    ASSERT_EQ(info.sockLeft->w, 30);
    EXPECT_EQ(info.sock, info.sockRight.get()) << "a new indicator shows no wind";

    struct Case {
        std::int32_t wind;
        bool left;
        const char* text;
    };
    for (const Case& c : {Case{-250, true, "50 %"}, Case{0, false, "0 %"}, Case{499, false, "99 %"},
                          Case{-500, true, "100 %"}, Case{-1, true, "0 %"}, Case{INT32_MIN, true, "100 %"},
                          Case{5000, false, "100 %"}}) {
        info.setWind(c.wind);
        EXPECT_EQ(info.wind, c.wind);
        EXPECT_EQ(info.sock, c.left ? info.sockLeft.get() : info.sockRight.get()) << c.wind;
        EXPECT_EQ(TWindInfo::percentText(c.wind), c.text);
        EXPECT_EQ(info.windText->w, static_cast<int>(std::string(c.text).size()) * smallCell) << c.wind;
    }
}

TEST(WindInfo, RendersThePercentageOnlyWhenTheWindChanges) {
    THudScene scene(terrainOf(900, 700));
    TWindInfo info(scene.display, scene.font);
    info.setWind(120);
    const SDL_Surface* first = info.windText.get();
    info.setWind(120);
    EXPECT_EQ(info.windText.get(), first);
    info.setWind(121);
    EXPECT_NE(info.windText.get(), first);
}

TEST(WindInfo, ExpandedCentresTheTextAtTheTopAndRestsTheSockOnTheBottom) {
    THudScene scene(withSocks());
    TWindInfo info(scene.display, scene.font);
    const SDL_Rect area = {176, 510, 64, 80};

    info.setWind(-300); // "60 %", left sock 30 x 20
    info.draw(area, true);
    EXPECT_EQ(topLeft(info.textRect), std::pair(176 + (64 - 4 * smallCell) / 2, 510));
    EXPECT_EQ(topLeft(info.sockRect), std::pair(176 + (64 - 30) / 2, 510 + 80 - 20));
    EXPECT_EQ(render_test::screenPixel(info.sockRect.x, 589), sockLeftColour);
    EXPECT_EQ(render_test::screenPixel(info.sockRect.x, 569), backdrop);

    scene.clearScreen();
    info.setWind(30); // right sock 24 x 16
    info.draw(area, true);
    EXPECT_EQ(topLeft(info.sockRect), std::pair(176 + 20, 510 + 64));
    EXPECT_EQ(render_test::screenPixel(196, 574), sockRightColour);
}

TEST(WindInfo, CollapsedGaugeRunsFromThePostTowardsTheWind) {
    THudScene scene(terrainOf(900, 700));
    TWindInfo info(scene.display, scene.font);
    const SDL_Rect corner = {302, 570, 0, 0};
    const int post = 302 + 60;
    const TRgba light{220, 220, 220, 255};
    const TRgba body{196, 196, 196, 255};

    EXPECT_EQ(TWindInfo::gaugeLength(-500), 60);
    EXPECT_EQ(TWindInfo::gaugeLength(499), 59);
    EXPECT_EQ(TWindInfo::gaugeLength(8), 0);
    EXPECT_EQ(TWindInfo::gaugeLength(INT32_MIN), 60);

    info.setWind(-500);
    info.draw(corner, false);
    EXPECT_EQ(render_test::screenPixel(post - 60, 574), black) << "outline at the gauge's far end";
    EXPECT_EQ(render_test::screenPixel(post - 61, 574), backdrop);
    EXPECT_EQ(render_test::screenPixel(post - 30, 575), light) << "upper half of the inside";
    EXPECT_EQ(render_test::screenPixel(post - 30, 588), body) << "lower half of the inside";
    EXPECT_EQ(render_test::screenPixel(post + 5, 580), backdrop) << "nothing on the other side";
    EXPECT_EQ(render_test::screenPixel(post - 2, 570), black) << "the post's outline";
    EXPECT_EQ(render_test::screenPixel(post, 573), (TRgba{150, 100, 50, 255}));
    EXPECT_EQ(render_test::screenPixel(post, 590), (TRgba{100, 50, 0, 255}));

    scene.clearScreen();
    info.setWind(8);
    info.draw(corner, false);
    EXPECT_EQ(render_test::screenPixel(post + 3, 580), backdrop) << "no gauge for a wind of 8";
    EXPECT_EQ(render_test::screenPixel(post - 3, 580), backdrop);
    EXPECT_EQ(render_test::screenPixel(post + 1, 593), black) << "only the post";

    scene.clearScreen();
    info.setWind(499);
    info.draw(corner, false);
    EXPECT_EQ(render_test::screenPixel(post + 58, 580), black);
    EXPECT_EQ(render_test::screenPixel(post + 59, 580), backdrop);
}
