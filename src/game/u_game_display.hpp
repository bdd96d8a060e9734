// The screen a match is played on: it builds the match, runs the frame loop, turns keys and clicks into
// game actions by game state and by whose turn it is, and leaves for the statistics screen at the end.
#pragma once

#include "app/u_basic_screen.hpp"
#include "game/u_key_tracker.hpp"
#include "resources/u_clock.hpp"
#include "resources/u_sdl_handles.hpp"

#include <SDL.h>

#include <memory>
#include <vector>

class TEscMenu;
class TGameStateStack;
class TInfoBar;
class TMapDisplay;
class TMessageList;
class TPhysics;
class TWidgetProgressBar;

class TGameDisplay final : public TBasicScreen {
public:
    static constexpr int powerStart = 50;
    static constexpr int powerBarWidth = 500;
    static constexpr int powerBarHeight = 25;
    static constexpr int powerBarMargin = 2;

    // A match on the terrain the preferences name.
    TGameDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise);
    // A match on a terrain made by the caller, timed by the caller's clock (tests).
    TGameDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise, SurfacePtr terrain,
                 const TClock& clock);
    ~TGameDisplay() override;

    // ScreenQuit, ScreenPanelSettings, or ScreenStatistics through finish.
    TScreenType run() override;
    // One frame: the game-state timer, every event in order, then the picture. False once the screen
    // leaves; nextScreen() then tells where.
    bool frame(const std::vector<SDL_Event>& events);
    TScreenType nextScreen() const { return next_; }
    // The turn is played from this machine.
    bool isLocalTurn() const;

    // Built in this order: the physics posts to the messages, the displays read the physics.
    std::unique_ptr<TMessageList> messages;
    std::unique_ptr<TPhysics> physics;
    TGameStateStack& states;
    std::unique_ptr<TMapDisplay> mapDisplay;
    std::unique_ptr<TWidgetProgressBar> powerBar;
    std::unique_ptr<TEscMenu> escMenu;
    std::unique_ptr<TInfoBar> infoBar;

private:
    // Everything after the physics: map display, power gauge, escape menu, information bar.
    void buildDisplays();
    // False when the event ends the screen's run.
    bool handleEvent(const SDL_Event& event);
    // Each takes the event (true) or lets the next one in the order try.
    bool takeQuit(const SDL_Event& event, bool freshPress);
    bool takeEscape(const SDL_Event& event, bool freshPress);
    bool takeInfoToggle(const SDL_Event& event, bool freshPress);
    bool takeMapClick(const SDL_Event& event, bool freshPress);
    bool takeTurnKey(const SDL_Event& event, bool freshPress);
    bool takeMinimapEvent(const SDL_Event& event, bool freshPress);
    bool takeLaunch(const SDL_Event& event, bool freshPress);
    bool takeEscMenu(const SDL_Event& event, bool freshPress);
    void openEscMenu();
    void closeEscMenu();
    void abandonMatch();
    // Launches at the gauge's value; a refused shot drops the charge so the turn goes on.
    void fire();
    void drawFrame();
    void takeNewTurn();
    bool onInfoBar(int x, int y) const;

    TKeyTracker keys_;
    TScreenType next_ = TScreenType::ScreenNone;
    bool running_ = true;
    bool options_ = false;
    // Whether the last frame drew the escape menu, so that its opening is reported once.
    bool escMenuShown_ = false;
};
