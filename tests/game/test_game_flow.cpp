// The game screen among the other screens: built by the stack from the settings, left for the statistics
// screen and from there back to the main menu, with the match music playing only while it runs.
#include "app/u_screen_stack.hpp"
#include "game/u_esc_menu.hpp"
#include "game/u_game_display.hpp"
#include "game/u_statistics_screen.hpp"
#include "menus/u_main_menu.hpp"
#include "model/u_game_states.hpp"
#include "resources/u_diagnostics.hpp"
#include "sound/u_sound.hpp"
#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_button.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace screen_test;

namespace {

// The tests start in the build directory, beside the generated data.
const std::filesystem::path generatedData = std::filesystem::current_path() / "data";

class GameFlowTest : public ScreenTest {
protected:
    GameFlowTest() {
        std::filesystem::create_directories(dir.path() / "data" / "noise");
        for (const char* file : {"maps/fore_basic.png", "maps/back_day.png", "noise/music-game.mod"}) {
            std::filesystem::copy_file(generatedData / file, dir.path() / "data" / file);
        }
        context.preferences.gameMap = "fore_basic.png";
        context.preferences.gameBackground = "back_day.png";
        context.preferences.nbTeams = 2;
        context.preferences.nbTumboks = 2;
        context.preferences.nbAi = 1;
        context.preferences.activeSounds = false;
        context.preferences.activeMusic = true;
    }
};

} // namespace

TEST_F(GameFlowTest, AnAbandonedMatchLeadsToTheStatisticsScreenAndBackToTheMainMenu) {
    TScreenStack stack(display, context, font, noise);
    const TDiagnosticCapture quiet; // pictures the test data lacks
    stack.update(TScreenType::ScreenMainMenu);
    TBasicScreen* mainMenu = stack.topScreen();
    stack.update(TScreenType::ScreenPanelGame);
    stack.update(stack.topScreen()->finish(TScreenType::ScreenGame));
    auto* game = dynamic_cast<TGameDisplay*>(stack.topScreen());
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(noise.hasMusic()) << "the match music starts with the match";
    EXPECT_EQ(game->states.current(), TGameStateType::StateNormal);

    pushEvents({keyDown(SDLK_ESCAPE), keyUp(SDLK_ESCAPE), keyDown(SDLK_ESCAPE)});
    const TScreenType next = game->run();
    EXPECT_EQ(next, TScreenType::ScreenStatistics);
    EXPECT_FALSE(noise.hasMusic()) << "the music stops when the match is left";
    stack.update(next);
    auto* statistics = dynamic_cast<TStatisticsScreen*>(stack.topScreen());
    ASSERT_NE(statistics, nullptr);

    const SDL_Rect& button = statistics->returnButton->rect;
    pushEvents({mouseDown(button.x + 10, button.y + 10)});
    stack.update(statistics->run());
    EXPECT_EQ(stack.topScreen(), mainMenu);
    EXPECT_EQ(stack.size(), 1u);
}

TEST_F(GameFlowTest, TheSettingsPanelResumesTheSameMatchWithoutItsMusic) {
    TScreenStack stack(display, context, font, noise);
    const TDiagnosticCapture quiet;
    stack.update(TScreenType::ScreenMainMenu);
    stack.update(TScreenType::ScreenPanelGame);
    stack.update(stack.topScreen()->finish(TScreenType::ScreenGame));
    auto* game = dynamic_cast<TGameDisplay*>(stack.topScreen());
    ASSERT_NE(game, nullptr);

    const SDL_Rect& options = game->escMenu->optionsButton->rect;
    pushEvents({keyDown(SDLK_ESCAPE), mouseDown(options.x + 3, options.y + 3)});
    const TScreenType next = game->run();
    EXPECT_EQ(next, TScreenType::ScreenPanelSettings);
    stack.update(next);
    EXPECT_NE(stack.topScreen(), game);
    stack.update(TScreenType::ScreenNone); // leaving the settings panel
    ASSERT_EQ(stack.topScreen(), game);
    EXPECT_EQ(game->states.current(), TGameStateType::StateEscMenu) << "the same match, its menu still open";
    EXPECT_FALSE(noise.hasMusic());

    pushEvents({quitRequest()});
    EXPECT_EQ(game->run(), TScreenType::ScreenQuit);
    stack.update(TScreenType::ScreenQuit);
    EXPECT_EQ(stack.topScreen(), nullptr);
}

TEST_F(GameFlowTest, TheScreenFactoryBuildsTheGameScreen) {
    const TDiagnosticCapture quiet;
    const auto screen = createGameScreen(TScreenType::ScreenGame, display, context, font, noise);
    EXPECT_NE(dynamic_cast<TGameDisplay*>(screen.get()), nullptr);
}
