// The one place that knows every screen class of the game.
#include "app/u_screen_stack.hpp"
#include "app/u_startup_report.hpp"

#include "game/u_game_display.hpp"
#include "game/u_statistics_screen.hpp"
#include "menus/u_main_menu.hpp"
#include "menus/u_panel_game.hpp"
#include "menus/u_panel_settings.hpp"

std::unique_ptr<TBasicScreen> createGameScreen(TScreenType type, TDisplay& display, TContext& context,
                                               TFont& font, TNoise& noise) {
    switch (type) {
    case TScreenType::ScreenMainMenu: {
        auto menu = std::make_unique<TMainMenu>(display, context, font, noise);
        menu->frameDrawn = reportFirstMainMenuFrame;
        return menu;
    }
    case TScreenType::ScreenPanelGame:
        return std::make_unique<TPanelGame>(display, context, font, noise);
    case TScreenType::ScreenPanelSettings:
        return std::make_unique<TPanelSettings>(display, context, font, noise);
    case TScreenType::ScreenStatistics:
        return std::make_unique<TStatisticsScreen>(display, context, font, noise);
    case TScreenType::ScreenGame:
        return std::make_unique<TGameDisplay>(display, context, font, noise);
    case TScreenType::ScreenQuit:
    case TScreenType::ScreenNone:
        break;
    }
    return nullptr;
}
