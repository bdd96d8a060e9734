#include "app/u_basic_screen.hpp"
#include "app/u_display.hpp"
#include "app/u_preferences.hpp"
#include "app/u_program_path.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

TEST(Display, SetsOneModeAtStartAndOnlyWhenThePreferenceChanges) {
    TTempDir dir;
    TPreferences preferences((dir / "config.txt").string());
    TDisplay display(preferences);
    ASSERT_TRUE(display.ready());
    EXPECT_EQ(display.modeSetCount(), 1);
    EXPECT_FALSE(display.fullscreenApplied);
    EXPECT_EQ(display.screen->w, 800);
    EXPECT_EQ(display.screen->h, 600);
    EXPECT_EQ(display.screen->format->BitsPerPixel, 32);
    char* title = nullptr;
    char* iconTitle = nullptr;
    SDL_WM_GetCaption(&title, &iconTitle);
    EXPECT_STREQ(title, "Morvatek - il va y avoir de l'A-Tumbok !");
    EXPECT_STREQ(iconTitle, "Morvatek - il va y avoir de l'A-Tumbok !");

    preferences.fullscreen = true;
    preferences.fullscreen = false;
    EXPECT_TRUE(display.applyVideoMode());
    EXPECT_EQ(display.modeSetCount(), 1);

    preferences.fullscreen = true;
    EXPECT_TRUE(display.applyVideoMode());
    EXPECT_EQ(display.modeSetCount(), 2);
    EXPECT_EQ(display.fullscreenApplied, preferences.fullscreen);
    preferences.fullscreen = false;
    EXPECT_TRUE(display.applyVideoMode());
    EXPECT_FALSE(display.fullscreenApplied);
}

TEST(Display, LoadingPictureIsCentredOnBlack) {
    TTempDir dir;
    TPreferences preferences((dir / "config.txt").string());
    TDisplay display(preferences);
    display.loadingImage = createSurface(1000, 100, false);
    fillSurface(display.loadingImage.get(), {255, 255, 255, 255});
    display.showLoading();
    const auto pixel = [&display](int x, int y) { return rawPixel(display.screen, x, y) & 0xFFFFFF; };
    EXPECT_EQ(pixel(0, 250), 0xFFFFFFu); // wider than the window: clipped at both sides
    EXPECT_EQ(pixel(799, 349), 0xFFFFFFu);
    EXPECT_EQ(pixel(400, 249), 0u);
    EXPECT_EQ(pixel(400, 350), 0u);
}

TEST(ScreenHelpers, PointInRectHonoursTheMarginAndExcludesFarEdges) {
    const SDL_Rect rect = {10, 20, 30, 40};
    EXPECT_TRUE(pointInRect(10, 20, 0, rect));
    EXPECT_TRUE(pointInRect(39, 59, 0, rect));
    EXPECT_FALSE(pointInRect(40, 30, 0, rect));
    EXPECT_FALSE(pointInRect(20, 60, 0, rect));
    EXPECT_TRUE(pointInRect(7, 17, 3, rect));
    EXPECT_TRUE(pointInRect(42, 62, 3, rect));
    EXPECT_FALSE(pointInRect(43, 30, 3, rect));
    EXPECT_FALSE(pointInRect(6, 30, 3, rect));
    const SDL_Rect farAway = {-32768, -32768, 65535, 65535};
    EXPECT_TRUE(pointInRect(32766, 32766, 0, farAway));
}

TEST(ScreenHelpers, KeyRepeatIsFastInMatchesAndSlowInMenus) {
    int delay = 0;
    int interval = 0;
    setKeyRepeat(true);
    SDL_GetKeyRepeat(&delay, &interval);
    EXPECT_EQ(delay, 1);
    EXPECT_EQ(interval, 50);
    setKeyRepeat(false);
    SDL_GetKeyRepeat(&delay, &interval);
    EXPECT_EQ(delay, 500);
    EXPECT_EQ(interval, 500);
}

TEST(ProgramPath, DirectoryIsCutAtTheLastSlashOnly) {
    EXPECT_EQ(directoryOf("/usr/games/morvatek"), "/usr/games");
    EXPECT_EQ(directoryOf("/morvatek"), "/");
    EXPECT_EQ(directoryOf("morvatek"), "");
    EXPECT_EQ(directoryOf("./build/morvatek"), "./build");
    EXPECT_EQ(directoryOf("C:\\games\\morvatek"), "");
    EXPECT_EQ(directoryOf("/odd:dir\\x/morvatek"), "/odd:dir\\x");
    EXPECT_EQ(directoryOf(""), "");
    EXPECT_FALSE(executableDirectory(nullptr).empty()); // /proc/self/exe answers
}
