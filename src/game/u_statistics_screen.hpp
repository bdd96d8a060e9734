// The screen after a match: a background and one button back to the main menu.
#pragma once

#include "app/u_basic_screen.hpp"
#include "resources/u_sdl_handles.hpp"

#include <memory>

class TWidgetButton;

class TStatisticsScreen final : public TBasicScreen {
public:
    static constexpr int buttonWidth = 700;
    static constexpr int buttonHeight = 24;

    TStatisticsScreen(TDisplay& display, TContext& context, TFont& font, TNoise& noise);
    ~TStatisticsScreen() override;

    // ScreenNone unwinds the finished screens of the match below; ScreenQuit ends the program.
    TScreenType run() override;
    // True = keep running.
    bool handleEvent(const SDL_Event& event, TScreenType& next) const;
    void drawFrame();

    SurfacePtr background;
    std::unique_ptr<TWidgetButton> returnButton;
};
