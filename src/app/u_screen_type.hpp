// Where the top-level loop goes after a screen returns.
#pragma once

#include <cstdint>

enum class TScreenType : std::uint8_t {
    ScreenQuit = 0, // pop every screen
    ScreenNone = 1, // pop this screen and every finished one below it
    ScreenMainMenu = 2,
    ScreenPanelGame = 3,
    ScreenGame = 4,
    ScreenStatistics = 5,
    ScreenPanelSettings = 6,
};
