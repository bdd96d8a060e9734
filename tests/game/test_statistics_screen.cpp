#include "game/u_statistics_screen.hpp"

#include "app/u_screen_stack.hpp"
#include "menus/u_main_menu.hpp"
#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_button.hpp"

#include <gtest/gtest.h>

using namespace screen_test;

namespace {

class StatisticsScreenTest : public ScreenTest {
protected:
    TStatisticsScreen screen{display, context, font, noise};
};

} // namespace

TEST_F(StatisticsScreenTest, OnlyTheButtonEscapeAndCloseLeave) {
    const SDL_Rect& button = screen.returnButton->rect;
    EXPECT_EQ(button.x, 50);
    EXPECT_EQ(button.y, 501);
    EXPECT_EQ(button.w, 700);

    TScreenType next = TScreenType::ScreenStatistics;
    EXPECT_TRUE(screen.handleEvent(keyDown(SDLK_RETURN), next)) << "Return is not a click on the button";
    EXPECT_TRUE(screen.handleEvent(keyDown(SDLK_SPACE), next));
    EXPECT_TRUE(screen.handleEvent(mouseDown(400, 300), next));
    EXPECT_TRUE(screen.handleEvent(mouseDown(49, 510), next));
    EXPECT_EQ(next, TScreenType::ScreenStatistics);

    EXPECT_FALSE(screen.handleEvent(mouseDown(50 + 700, 501 + 24), next)) << "edges of the button included";
    EXPECT_EQ(next, TScreenType::ScreenNone);
    next = TScreenType::ScreenStatistics;
    EXPECT_FALSE(screen.handleEvent(keyDown(SDLK_ESCAPE), next));
    EXPECT_EQ(next, TScreenType::ScreenNone);
    EXPECT_FALSE(screen.handleEvent(quitRequest(), next));
    EXPECT_EQ(next, TScreenType::ScreenQuit);
}

TEST_F(StatisticsScreenTest, TheButtonUnwindsTheMatchBackToTheMainMenu) {
    TScreenStack stack(display, context, font, noise);
    stack.update(TScreenType::ScreenMainMenu);
    TBasicScreen* mainMenu = stack.topScreen();
    stack.update(TScreenType::ScreenPanelGame);
    // The panel leaves for the match through finish; the match leaves for this screen the same way.
    stack.update(stack.topScreen()->finish(TScreenType::ScreenStatistics));
    auto* statistics = dynamic_cast<TStatisticsScreen*>(stack.topScreen());
    ASSERT_NE(statistics, nullptr);

    const SDL_Rect& button = statistics->returnButton->rect;
    pushEvents({mouseDown(button.x + 10, button.y + 10)});
    stack.update(statistics->run());
    EXPECT_EQ(stack.topScreen(), mainMenu);
    EXPECT_EQ(stack.size(), 1u);
}
