#include "menus/u_main_menu.hpp"

#include "resources/u_data_files.hpp"
#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_basic_menu.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace screen_test;

namespace {

class MainMenuTest : public ScreenTest {
protected:
    MainMenuTest() {
        writePicture("other-images", dataFile::logoSmall, 200, 40);
        menu = std::make_unique<TMainMenu>(display, context, font, noise);
    }

    // Draws frames until the rows have glided into place, as the screen would between two presses.
    void settle() {
        for (int frame = 0; frame < 10 && menu->menu->animating; ++frame) {
            menu->drawFrame();
        }
        ASSERT_FALSE(menu->menu->animating);
    }
    bool handleAndSettle(const SDL_Event& event, TScreenType& next) {
        const bool stay = menu->handleEvent(event, next);
        settle();
        return stay;
    }
    bool press(SDLKey key, TScreenType& next) { return handleAndSettle(keyDown(key), next); }
    bool click(int x, int y, TScreenType& next) { return handleAndSettle(mouseDown(x, y), next); }
    // Window coordinates of the highlighted row and of the arrows below and above the list.
    SDL_Rect band() const {
        const SDL_Rect& inner = menu->menu->bandButton->rect;
        return {static_cast<Sint16>(menu->menu->rect.x + inner.x),
                static_cast<Sint16>(menu->menu->rect.y + inner.y), inner.w, inner.h};
    }
    int downArrowY() const { return menu->menu->rect.y + menu->menu->downButton->rect.y + 5; }
    int upArrowY() const { return menu->menu->rect.y + 5; }
    int listX() const { return menu->menu->rect.x + menu->menu->listRect.x + 20; }

    std::unique_ptr<TMainMenu> menu;
};

} // namespace

TEST_F(MainMenuTest, LogoSwingsIntoPlaceOverTwentyFramesAndStays) {
    EXPECT_EQ(menu->logoRect.x, 300);
    EXPECT_EQ(menu->logoRect.y, 5);
    std::vector<int> positions;
    for (int frame = 0; frame < 25; ++frame) {
        menu->drawFrame();
        positions.push_back(menu->logoRect.x);
    }
    const std::vector<int> expected = {59,  326, 562, 521, 234, 225, 258, 306, 337, 328, 299, 286, 289,
                                       298, 305, 304, 301, 298, 298, 299, 299, 299, 299, 299, 299};
    EXPECT_EQ(positions, expected);

    // Back from a screen opened above it, the logo is already in place.
    pushEvents({keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(menu->run(), TScreenType::ScreenNone);
    EXPECT_EQ(menu->logoRect.x, 299);
    EXPECT_EQ(menu->logoStep, TMainMenu::logoFrames);
}

TEST_F(MainMenuTest, KeysChooseEachEntry) {
    TScreenType next = TScreenType::ScreenMainMenu;
    EXPECT_FALSE(press(SDLK_RETURN, next));
    EXPECT_EQ(next, TScreenType::ScreenPanelGame);

    next = TScreenType::ScreenMainMenu;
    EXPECT_TRUE(press(SDLK_DOWN, next));
    EXPECT_TRUE(press(SDLK_RETURN, next)) << "Network match does nothing";
    EXPECT_EQ(next, TScreenType::ScreenMainMenu);

    EXPECT_TRUE(press(SDLK_DOWN, next));
    EXPECT_FALSE(press(SDLK_RETURN, next));
    EXPECT_EQ(next, TScreenType::ScreenPanelSettings);

    // Up from the first entry wraps round to Quit.
    EXPECT_TRUE(press(SDLK_UP, next));
    EXPECT_TRUE(press(SDLK_UP, next));
    EXPECT_TRUE(press(SDLK_UP, next));
    next = TScreenType::ScreenMainMenu;
    EXPECT_FALSE(press(SDLK_RETURN, next));
    EXPECT_EQ(next, TScreenType::ScreenNone);

    next = TScreenType::ScreenMainMenu;
    EXPECT_FALSE(press(SDLK_ESCAPE, next));
    EXPECT_EQ(next, TScreenType::ScreenNone);
}

TEST_F(MainMenuTest, ClicksOnTheArrowsAndTheHighlightedRowChoose) {
    menu->drawFrame(); // places the highlighted row
    TScreenType next = TScreenType::ScreenMainMenu;
    EXPECT_TRUE(click(listX(), downArrowY(), next));
    EXPECT_EQ(menu->menu->selectedValue(), static_cast<int>(TMainMenuCommand::CommandNetworkMatch));
    const SDL_Rect row = band();
    EXPECT_TRUE(click(row.x + 5, row.y + 5, next)) << "Network match does nothing";
    EXPECT_EQ(next, TScreenType::ScreenMainMenu);

    EXPECT_TRUE(click(listX(), downArrowY(), next));
    EXPECT_FALSE(click(row.x + 5, row.y + 5, next));
    EXPECT_EQ(next, TScreenType::ScreenPanelSettings);

    EXPECT_TRUE(click(listX(), upArrowY(), next));
    EXPECT_TRUE(click(listX(), upArrowY(), next));
    EXPECT_FALSE(click(row.x + 5, row.y + 5, next));
    EXPECT_EQ(next, TScreenType::ScreenPanelGame);

    // A click beside the menu chooses nothing.
    next = TScreenType::ScreenMainMenu;
    EXPECT_TRUE(click(10, 590, next));
    EXPECT_EQ(next, TScreenType::ScreenMainMenu);
}

TEST_F(MainMenuTest, RunLeavesOnAReturnTappedWithinOneFrame) {
    pushEvents({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)});
    EXPECT_EQ(menu->run(), TScreenType::ScreenPanelGame);
}

TEST_F(MainMenuTest, RunStaysOnNetworkMatchAndKeepsAWindowCloseDuringAGlide) {
    // The second Down comes while the rows glide and is ignored; Return on "Network match" stays.
    pushEvents({keyDown(SDLK_DOWN), keyDown(SDLK_DOWN), keyDown(SDLK_RETURN), keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(menu->run(), TScreenType::ScreenNone);
    EXPECT_EQ(menu->menu->selectedValue(), static_cast<int>(TMainMenuCommand::CommandNetworkMatch));

    // A later Escape of the same frame does not turn the close request into a mere pop.
    pushEvents({keyDown(SDLK_DOWN), quitRequest(), keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(menu->run(), TScreenType::ScreenQuit);
}
