// The base of every full-window screen, and the helpers all screens share.
#pragma once

#include "app/u_screen_type.hpp"

#include <SDL.h>

class TDisplay;
class TContext;
class TFont;
class TNoise;

class TBasicScreen {
public:
    TBasicScreen(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
        : display(display), context(context), font(font), noise(noise) {}
    virtual ~TBasicScreen() = default;
    TBasicScreen(const TBasicScreen&) = delete;
    TBasicScreen& operator=(const TBasicScreen&) = delete;

    // The screen's own loop; may be called again after it returned, when the screen is on top again.
    virtual TScreenType run() = 0;
    // Marks the screen to vanish with the one it opens, at the next unwinding.
    TScreenType finish(TScreenType next) {
        finished = true;
        return next;
    }

    TDisplay& display;
    TContext& context;
    TFont& font;
    TNoise& noise;
    bool finished = false;
};

// Fast repeat while a match is played, slow in menus.
void setKeyRepeat(bool fast);
bool pointInRect(int x, int y, int margin, const SDL_Rect& rect);
// The two ways out every screen obeys: the window's close request quits, Escape goes back.
// True, with next set, when the event is one of them.
bool isQuitOrEscape(const SDL_Event& event, TScreenType& next);

// One frame's wait, the same in every screen.
constexpr Uint32 frameDelayMs = 50;
