// The frame loop every menu-like screen shares: take every pending event, draw, show, wait one frame.
#pragma once

#include "app/u_basic_screen.hpp"
#include "app/u_browser.hpp"
#include "app/u_display.hpp"
#include "app/u_screen_report.hpp"
#include "app/u_screen_type.hpp"

#include <SDL.h>

#include <string>

// Where a screen goes after a batch of events. A later deciding event of the same frame replaces the
// destination, but a request to close the window is never turned into another screen.
class TLeaveDecision {
public:
    explicit TLeaveDecision(TScreenType initial = TScreenType::ScreenNone) : next_(initial) {}

    // One event's answer: stay, or leave for the destination given.
    void take(bool stay, TScreenType destination) {
        if (stay) {
            return;
        }
        if (!leaving_ || next_ != TScreenType::ScreenQuit) {
            next_ = destination;
        }
        leaving_ = true;
    }

    bool leaving() const { return leaving_; }
    TScreenType next() const { return next_; }

private:
    TScreenType next_;
    bool leaving_ = false;
};

// Hands every pending event to handle(event, next) -> stay, and records its answer.
template <class THandler> void pollScreenEvents(TLeaveDecision& decision, THandler&& handle) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        TScreenType next = decision.next();
        const bool stay = handle(event, next);
        decision.take(stay, next);
    }
}

// Runs frame(decision) once per 50 ms frame until an event decided to leave; returns the destination. The
// first frame on the window is reported under the screen's name.
template <class TFrame>
TScreenType runScreenFrames(TDisplay& display, const std::string& screenName, TFrame&& frame) {
    TLeaveDecision decision;
    bool shown = false;
    while (!decision.leaving()) {
        frame(decision);
        SDL_UpdateRect(display.screen, 0, 0, 0, 0);
        if (!shown) {
            reportScreenShown(screenName);
            shown = true;
        }
        // The settings are edited on these screens; a browser tab may close at any moment after this.
        keepChangedSettings(display.preferences);
        SDL_Delay(frameDelayMs);
    }
    return decision.next();
}
