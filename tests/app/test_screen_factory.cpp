#include "app/u_screen_loop.hpp"
#include "app/u_screen_stack.hpp"
#include "game/u_statistics_screen.hpp"
#include "menus/u_main_menu.hpp"
#include "menus/u_panel_game.hpp"
#include "menus/u_panel_settings.hpp"
#include "support/screen_fixture.hpp"

#include <gtest/gtest.h>

using namespace screen_test;

namespace {

class ScreenFactoryTest : public ScreenTest {
protected:
    std::unique_ptr<TBasicScreen> make(TScreenType type) {
        return createGameScreen(type, display, context, font, noise);
    }
};

} // namespace

TEST_F(ScreenFactoryTest, EachScreenTypeBuildsItsScreen) {
    EXPECT_NE(dynamic_cast<TMainMenu*>(make(TScreenType::ScreenMainMenu).get()), nullptr);
    EXPECT_NE(dynamic_cast<TPanelGame*>(make(TScreenType::ScreenPanelGame).get()), nullptr);
    EXPECT_NE(dynamic_cast<TPanelSettings*>(make(TScreenType::ScreenPanelSettings).get()), nullptr);
    EXPECT_NE(dynamic_cast<TStatisticsScreen*>(make(TScreenType::ScreenStatistics).get()), nullptr);
    EXPECT_EQ(make(TScreenType::ScreenQuit), nullptr);
    EXPECT_EQ(make(TScreenType::ScreenNone), nullptr);
}

TEST(LeaveDecision, TheLastDecisionWinsExceptOverAWindowClose) {
    TLeaveDecision decision;
    decision.take(true, TScreenType::ScreenGame);
    EXPECT_FALSE(decision.leaving());
    EXPECT_EQ(decision.next(), TScreenType::ScreenNone);

    decision.take(false, TScreenType::ScreenPanelGame);
    decision.take(true, TScreenType::ScreenGame);
    EXPECT_EQ(decision.next(), TScreenType::ScreenPanelGame) << "a later event that stays changes nothing";
    decision.take(false, TScreenType::ScreenPanelSettings);
    EXPECT_EQ(decision.next(), TScreenType::ScreenPanelSettings);
    decision.take(false, TScreenType::ScreenQuit);
    decision.take(false, TScreenType::ScreenNone);
    EXPECT_TRUE(decision.leaving());
    EXPECT_EQ(decision.next(), TScreenType::ScreenQuit);
}
