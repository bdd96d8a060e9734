#include "render/u_info_bar.hpp"

#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "render/u_alpha_blit.hpp"
#include "resources/u_font.hpp"
#include "resources/u_numbers.hpp"
#include "resources/u_surface_utils.hpp"
#include "widgets/u_widgets_basic.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int minimapX = 310;
constexpr int minimapY = 510;
constexpr int minimapWidth = 180;
constexpr int minimapHeight = 80;

void fillPanel(SDL_Surface* panel) {
    SDL_FillRect(panel, nullptr, SDL_MapRGBA(panel->format, 255, 255, 255, TInfoBar::panelAlpha));
}

} // namespace

TInfoBar::TInfoBar(TDisplay& display, const TFont& font, TGameStateStack& gameStates,
                   const TPhysicsView& physics, TMapDisplay& mapDisplay)
    : TInfoBar(display, font, gameStates, physics, minimapSourcesOf(mapDisplay)) {}

TInfoBar::TInfoBar(TDisplay& display, const TFont& font, TGameStateStack& gameStates,
                   const TPhysicsView& physics, const TMinimapSources& mapSources)
    : display(display), font(font), physics(physics),
      gameStates(gameStates), teamsOrigin{static_cast<std::int16_t>(
                                              600 - (columnWidth + columnSpacing) * physics.teams.nbTeams -
                                              padding),
                                          padding},
      teamBar(std::make_unique<TWidgetProgressBar>(0, physics.teams.nbTumboks * 100, columnWidth,
                                                   columnHeight, 1, true)),
      windInfo(std::make_unique<TWindInfo>(display, font)), timerText(createSurface(0, 0, true)),
      minimap(std::make_unique<TMinimap>(display, minimapX, minimapY, minimapWidth, minimapHeight, mapSources,
                                         physics, TDisplay::width, TDisplay::height)),
      expandedSurface(createSurface(600, 100, true)), collapsedSurface(createSurface(200, 32, true)) {
    teamBar->horizontal = false;
    blendWhenBlitted(expandedSurface.get());
    blendWhenBlitted(collapsedSurface.get());
    // The collapsed panel never changes.
    fillPanel(collapsedSurface.get());
}

std::string TInfoBar::timeText(std::int32_t remainingMs) {
    return std::to_string(remainingMs / 1000) + " s";
}

int TInfoBar::columnX(int team) const {
    return teamsOrigin.x + (columnWidth + columnSpacing) * team;
}

SDL_Rect TInfoBar::windArea() const {
    int flagsWidth = 0;
    if (const TTeam* last = physics.teams.teamAt(physics.teams.nbTeams - 1)) {
        flagsWidth = last->flagBig->w + last->flagSmall->w;
    }
    return {static_cast<Sint16>(expandedRect.x + flagsWidth + 2 * padding),
            static_cast<Sint16>(expandedRect.y + padding), 64,
            static_cast<Uint16>(expandedRect.h - 2 * padding)};
}

std::int32_t TInfoBar::roundedWind() const {
    const double wind = physics.wind.x;
    // A wind beyond any integer (or not a number) is drawn as the strongest one.
    if (!(std::abs(wind) < TWindInfo::fullWind)) {
        return std::signbit(wind) ? -TWindInfo::fullWind : TWindInfo::fullWind;
    }
    return roundHalfEven(wind);
}

void TInfoBar::draw() {
    updateTimerText();
    if (expanded) {
        drawExpanded();
    } else {
        drawCollapsed();
    }
}

void TInfoBar::updateTimerText() {
    // The text only changes once a second, so it is rendered only then.
    const std::int32_t seconds = physics.timer.remaining() / 1000;
    if (shownSeconds_ == seconds) {
        return;
    }
    shownSeconds_ = seconds;
    timerText = font.renderText(timeText(physics.timer.remaining()), TSize::SizeMedium, 0);
    blendWhenBlitted(timerText.get());
}

TInfoBar::TPanelKey TInfoBar::panelKey() const {
    TPanelKey key;
    key.team = physics.teams.current.team;
    for (const TTeam& team : physics.teams.teams) {
        key.healths.push_back(team.health());
    }
    return key;
}

void TInfoBar::drawFramedFlag(SDL_Surface* flag, int x, int y) const {
    SDL_Rect frame = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(flag->w),
                      static_cast<Uint16>(flag->h)};
    inflateRect(frame, 1);
    fillArea(expandedSurface.get(), frame.x, frame.y, frame.w, frame.h, flagFrame);
    // Composed, not blitted: a blit between two surfaces with alpha keeps an unreliable destination alpha
    // here, and the flag would show the battlefield through it.
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    blendSurface(flag, nullptr, expandedSurface.get(), &at);
}

void TInfoBar::composePanel() {
    SDL_Surface* panel = expandedSurface.get();
    fillPanel(panel);
    const TTeamsManager& teams = physics.teams;
    if (const TTeam* onTurn = teams.teamAt(teams.current.team)) {
        drawFramedFlag(onTurn->flagBig.get(), padding, padding);
    }
    for (const TTeam& team : teams.teams) {
        const int x = columnX(team.index);
        SDL_Surface* flag = team.flagSmall.get();
        drawFramedFlag(flag, x - (flag->w - columnWidth) / 2, teamsOrigin.y + columnHeight + padding);
        teamBar->setValue(team.health());
        teamBar->setPosition(x, teamsOrigin.y);
        blitAt(teamBar->surface.get(), panel, teamBar->rect.x, teamBar->rect.y);
    }
}

void TInfoBar::drawExpanded() {
    TPanelKey key = panelKey();
    if (shownPanel_ != key) {
        composePanel();
        shownPanel_ = std::move(key);
    }
    SDL_Surface* screen = display.screen;
    blitAt(expandedSurface.get(), screen, expandedRect.x, expandedRect.y);
    blitAt(timerText.get(), screen, expandedRect.x + padding,
           expandedRect.y + expandedRect.h - timerText->h - padding);
    windInfo->setWind(roundedWind());
    windInfo->draw(windArea(), true);
    minimap->draw();
}

void TInfoBar::drawCollapsed() {
    SDL_Surface* screen = display.screen;
    blitAt(collapsedSurface.get(), screen, collapsedRect.x, collapsedRect.y);
    windInfo->setWind(roundedWind());
    const SDL_Rect gaugeCorner = {static_cast<Sint16>(collapsedRect.x + 2),
                                  static_cast<Sint16>(collapsedRect.y + 2), 0, 0};
    windInfo->draw(gaugeCorner, false);
    blitAt(timerText.get(), screen, collapsedRect.x + collapsedRect.w - timerText->w - 2,
           (collapsedRect.h - timerText->h) / 2 + collapsedRect.y);
}
