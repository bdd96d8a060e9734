#include "game/u_game_display.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "app/u_screen_report.hpp"
#include "game/u_esc_menu.hpp"
#include "game/u_message_list.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "render/u_info_bar.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_key_modifiers.hpp"
#include "sound/u_sound.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <array>

namespace {

bool isKeyDown(const SDL_Event& event, SDLKey key) {
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == key;
}

bool isKeyUp(const SDL_Event& event, SDLKey key) {
    return event.type == SDL_KEYUP && event.key.keysym.sym == key;
}

} // namespace

TGameDisplay::TGameDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TBasicScreen(display, context, font, noise), messages(std::make_unique<TMessageList>(display, font)),
      physics(std::make_unique<TPhysics>(noise, *messages, context, context.preferences.nbTeams,
                                         context.preferences.nbTumboks, context.preferences.nbAi)),
      states(physics->gameStateStack()) {
    buildDisplays();
}

TGameDisplay::TGameDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise,
                           SurfacePtr terrain, const TClock& clock)
    : TBasicScreen(display, context, font, noise), messages(std::make_unique<TMessageList>(display, font)),
      physics(std::make_unique<TPhysics>(std::move(terrain), noise, *messages, context,
                                         context.preferences.nbTeams, context.preferences.nbTumboks,
                                         context.preferences.nbAi, clock)),
      states(physics->gameStateStack()) {
    buildDisplays();
}

void TGameDisplay::buildDisplays() {
    mapDisplay = std::make_unique<TMapDisplay>(display, context, font, noise, *physics);
    powerBar = std::make_unique<TWidgetProgressBar>(0, TProjectileManager::maxPower, powerBarWidth,
                                                    powerBarHeight, powerBarMargin, true);
    powerBar->setPosition((TDisplay::width - powerBarWidth) / 2, TDisplay::height - 50);
    escMenu = std::make_unique<TEscMenu>(display, font);
    infoBar = std::make_unique<TInfoBar>(display, font, states, physics->view(),
                                         TMinimapSources{mapDisplay->background.get(), mapDisplay->terrain,
                                                         *mapDisplay->moves, mapDisplay->freeView});
}

TGameDisplay::~TGameDisplay() {
    // The states go first: nothing may read a state of a match being taken apart.
    states.clear();
    infoBar.reset();
    escMenu.reset();
    powerBar.reset();
    mapDisplay.reset();
    physics.reset();
}

bool TGameDisplay::isLocalTurn() const {
    const TTeam* team = physics->view().teams.currentTeam();
    if (team == nullptr) {
        return false;
    }
    if (context.gameType == TGameType::GameLocal) {
        return !team->computer;
    }
    return team->index == context.networkTeam;
}

TScreenType TGameDisplay::run() {
    // Resumed from the settings panel the escape menu is still open, and menus repeat keys slowly.
    setKeyRepeat(states.current() != TGameStateType::StateEscMenu);
    next_ = TScreenType::ScreenNone;
    running_ = true;
    options_ = false;
    std::vector<SDL_Event> events;
    for (bool shown = false;; shown = true) {
        events.clear();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            events.push_back(event);
        }
        if (!frame(events)) {
            break;
        }
        if (!shown) {
            reportScreenShown("Match");
        }
        SDL_Delay(frameDelayMs);
    }
    // The match music stops whenever the screen is left, also for the settings panel.
    noise.stopMusic();
    return next_;
}

bool TGameDisplay::frame(const std::vector<SDL_Event>& events) {
    states.updateTimer();
    for (const SDL_Event& event : events) {
        if (!running_ && event.type != SDL_QUIT) {
            continue; // leaving already: only a close request still counts
        }
        if (!handleEvent(event) && next_ == TScreenType::ScreenQuit) {
            // A close request wins: nothing later in the batch turns it into another screen.
            return false;
        }
    }
    if (!running_) {
        return false; // the match was abandoned
    }
    drawFrame();
    if (mapDisplay->stopped) {
        next_ = finish(TScreenType::ScreenStatistics);
        running_ = false;
    } else if (options_) {
        next_ = TScreenType::ScreenPanelSettings;
        running_ = false;
    }
    return running_;
}

bool TGameDisplay::handleEvent(const SDL_Event& event) {
    const bool freshPress = keys_.observe(event);
    if (isKeyDown(event, SDLK_p) && freshPress) {
        states.print();
    }
    if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_RIGHT) {
        mapDisplay->rightClickAt(event.button.x, event.button.y); // only with mouse scrolling off
    }
    mapDisplay->handleEvent(event);
    // The first that takes the event is the only one to get it: the order below is the priority.
    static constexpr std::array handlers{&TGameDisplay::takeQuit,       &TGameDisplay::takeEscape,
                                         &TGameDisplay::takeInfoToggle, &TGameDisplay::takeMapClick,
                                         &TGameDisplay::takeTurnKey,    &TGameDisplay::takeMinimapEvent,
                                         &TGameDisplay::takeLaunch,     &TGameDisplay::takeEscMenu};
    for (const auto handler : handlers) {
        if ((this->*handler)(event, freshPress)) {
            break;
        }
    }
    return running_;
}

bool TGameDisplay::takeQuit(const SDL_Event& event, bool /*freshPress*/) {
    if (event.type != SDL_QUIT) {
        return false;
    }
    next_ = TScreenType::ScreenQuit;
    running_ = false;
    return true;
}

bool TGameDisplay::takeEscape(const SDL_Event& event, bool freshPress) {
    if (!isKeyDown(event, SDLK_ESCAPE)) {
        return false;
    }
    // A held Esc must not run on from opening the menu to abandoning the match.
    if (!freshPress) {
        return true;
    }
    if (states.current() == TGameStateType::StateEscMenu) {
        abandonMatch();
    } else {
        openEscMenu();
    }
    return true;
}

bool TGameDisplay::takeInfoToggle(const SDL_Event& event, bool freshPress) {
    if (!isKeyDown(event, SDLK_i)) {
        return false;
    }
    if (freshPress) {
        infoBar->toggle();
    }
    return true;
}

bool TGameDisplay::takeMapClick(const SDL_Event& event, bool /*freshPress*/) {
    if (event.type != SDL_MOUSEBUTTONDOWN || states.current() != TGameStateType::StateNormal ||
        onInfoBar(event.button.x, event.button.y)) {
        return false;
    }
    // The computer's team, or another machine's, is never picked for.
    if (isLocalTurn()) {
        mapDisplay->selectAt(event.button.x, event.button.y);
    }
    return true;
}

bool TGameDisplay::takeMinimapEvent(const SDL_Event& event, bool /*freshPress*/) {
    if (states.current() != TGameStateType::StateNormal || !infoBar->expanded) {
        return false;
    }
    infoBar->minimap->handleEvent(event);
    return true;
}

void TGameDisplay::openEscMenu() {
    // A charge in progress is dropped: a release of Enter in the menu, or after it, fires nothing.
    if (states.current() == TGameStateType::StateLaunch) {
        states.pop();
    }
    escMenu->showWeapon(mapDisplay->tumbokDisplay->weapon);
    states.pushState(TGameStateType::StateEscMenu);
    setKeyRepeat(false);
}

void TGameDisplay::closeEscMenu() {
    if (isLocalTurn()) {
        mapDisplay->setWeapon(escMenu->chosenWeapon());
    }
    states.pop();
    setKeyRepeat(true);
}

void TGameDisplay::abandonMatch() {
    states.clear();
    states.pushState(TGameStateType::StateNormal);
    next_ = finish(TScreenType::ScreenStatistics);
    running_ = false;
}

bool TGameDisplay::takeTurnKey(const SDL_Event& event, bool freshPress) {
    if (!isLocalTurn() || states.current() != TGameStateType::StateNormal || event.type != SDL_KEYDOWN ||
        controlHeld()) {
        return false;
    }
    switch (event.key.keysym.sym) {
    case SDLK_TAB:
        if (freshPress) {
            physics->changeTumbok();
        }
        break;
    case SDLK_RETURN:
        // Only a fresh press starts a charge: Enter held on from an earlier turn does not.
        if (freshPress) {
            states.pushState(TGameStateType::StateLaunch);
            powerBar->setValue(powerStart);
        }
        break;
    case SDLK_SPACE:
        physics->jump();
        break;
    case SDLK_UP:
        mapDisplay->tumbokDisplay->changeAim(TTumbokDisplay::aimStep);
        break;
    case SDLK_DOWN:
        mapDisplay->tumbokDisplay->changeAim(-TTumbokDisplay::aimStep);
        break;
    case SDLK_RIGHT:
        physics->walk(TDirection::DirectionRight);
        break;
    case SDLK_LEFT:
        physics->walk(TDirection::DirectionLeft);
        break;
    default:
        break;
    }
    return true;
}

bool TGameDisplay::takeLaunch(const SDL_Event& event, bool /*freshPress*/) {
    if (states.current() != TGameStateType::StateLaunch) {
        return false;
    }
    if (!isLocalTurn()) {
        return true;
    }
    if (isKeyDown(event, SDLK_RETURN)) {
        powerBar->addValue(powerBar->value / 15 + powerStart);
        if (powerBar->value >= powerBar->maxValue) {
            powerBar->setMark(false);
            fire();
        }
    } else if (isKeyUp(event, SDLK_RETURN)) {
        powerBar->setMark(true);
        fire();
    }
    return true;
}

void TGameDisplay::fire() {
    if (!mapDisplay->fire(powerBar->value) && states.current() == TGameStateType::StateLaunch) {
        states.pop();
    }
}

bool TGameDisplay::takeEscMenu(const SDL_Event& event, bool /*freshPress*/) {
    if (states.current() != TGameStateType::StateEscMenu) {
        return false;
    }
    bool options = false;
    // Each event reaches the menu once, when it happens.
    const bool stays = escMenu->handle(event, options);
    options_ = options_ || options;
    if (!stays) {
        closeEscMenu();
    }
    return true;
}

bool TGameDisplay::onInfoBar(int x, int y) const {
    return pointInRect(x, y, 0, infoBar->expanded ? infoBar->expandedRect : infoBar->collapsedRect);
}

void TGameDisplay::takeNewTurn() {
    if (!physics->takeNewTurn()) {
        return;
    }
    const TTeam* team = physics->view().teams.currentTeam();
    if (team == nullptr) {
        return;
    }
    powerBar->setValue(team->power);
    powerBar->setMark(true);
    powerBar->draw();
    mapDisplay->setWeapon(team->weapon);
}

void TGameDisplay::drawFrame() {
    SDL_Surface* screen = display.screen;
    bool reportEscMenuShown = false;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    takeNewTurn();
    mapDisplay->draw();
    if (mapDisplay->stopped) {
        return;
    }
    switch (states.current()) {
    case TGameStateType::StateNormal:
        infoBar->draw();
        break;
    case TGameStateType::StateLaunch:
        powerBar->draw();
        blitAt(powerBar->surface.get(), screen, powerBar->rect.x, powerBar->rect.y);
        break;
    case TGameStateType::StateEscMenu:
        escMenu->draw();
        reportEscMenuShown = true;
        break;
    default:
        break;
    }
    messages->draw();
    SDL_UpdateRect(screen, 0, 0, 0, 0);
    if (reportEscMenuShown && !escMenuShown_) {
        reportScreenShown("Escape menu");
    }
    escMenuShown_ = reportEscMenuShown;
}
