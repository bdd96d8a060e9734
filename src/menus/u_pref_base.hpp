// The common ground of the settings-style panels: their background, the big title, window close and Escape.
#pragma once

#include "app/u_basic_screen.hpp"
#include "resources/u_sdl_handles.hpp"

class TPrefBase : public TBasicScreen {
public:
    static constexpr int titleY = 50;

    TPrefBase(TDisplay& display, TContext& context, TFont& font, TNoise& noise);

    // True = stay; window close leaves with ScreenQuit and Escape with ScreenNone.
    virtual bool handleScreenEvent(const SDL_Event& event, TScreenType& next);
    // Background and title.
    virtual void drawScreen();

    SurfacePtr background;
    SurfacePtr title;
    SDL_Rect titleRect;
};
