// The first screen: background, the logo swinging into place, and the four entries of the game.
#pragma once

#include "app/u_basic_screen.hpp"
#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <functional>
#include <memory>

class TWidgetBasicMenu;

// The entries' values in the menu.
enum class TMainMenuCommand : std::int32_t {
    CommandLocalMatch = 1,
    CommandNetworkMatch = 2,
    CommandSettings = 3,
    CommandQuit = 4,
};

class TMainMenu final : public TBasicScreen {
public:
    static constexpr int logoFrames = 20;
    static constexpr int logoY = 5;

    TMainMenu(TDisplay& display, TContext& context, TFont& font, TNoise& noise);
    ~TMainMenu() override;

    TScreenType run() override;
    // The menu's own reaction to one event, then the screen's decision; true = stay.
    bool handleEvent(const SDL_Event& event, TScreenType& next);
    // The screen's decision, reading the choice the menu has just made from the same event; true = stay.
    bool handleScreenEvent(const SDL_Event& event, TScreenType& next) const;
    // One frame's picture, with one step of the logo's entrance while it lasts.
    void drawFrame();

    SDL_Rect logoRect;
    SurfacePtr background;
    SurfacePtr logo;
    std::int32_t logoStep = 0;
    std::unique_ptr<TWidgetBasicMenu> menu;
    // Called after every frame is drawn: the program's shell reports when the first one was.
    std::function<void()> frameDrawn;

private:
    int logoCentreX() const;
    void advanceLogo();
    // Says once each time the screen opens that the logo is in place, and each time the list stops gliding
    // which entry it shows: the next Up or Down is taken from then on.
    void reportRest();

    bool logoReported = false;
    bool restReported = false;
};

// The logo's x at animation frame step (1 to 20), from its centred x and its x of the frame before: a damped
// swing round the centre.
int nextLogoX(int step, int centreX, int previousX);
