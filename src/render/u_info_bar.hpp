// The information bar at the bottom of the game screen: expanded, the team on turn, the wind, the minimap,
// a health column per team and the time left; collapsed, a wind gauge and the time left.
#pragma once

#include "render/u_minimap.hpp"
#include "render/u_wind_info.hpp"
#include "resources/u_sdl_handles.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TDisplay;
class TFont;
class TGameStateStack;
class TMapDisplay;

struct TPair16 {
    std::int16_t x;
    std::int16_t y;
};

class TInfoBar {
public:
    static constexpr int columnWidth = 20;
    static constexpr int columnHeight = 55;
    static constexpr int columnSpacing = 20;
    static constexpr int padding = 10;
    static constexpr Uint8 panelAlpha = 64;
    static constexpr Uint32 flagFrame = 0xFF000000u;

    TInfoBar(TDisplay& display, const TFont& font, TGameStateStack& gameStates, const TPhysicsView& physics,
             TMapDisplay& mapDisplay);
    // The minimap's pictures and camera given directly (tests, tools).
    TInfoBar(TDisplay& display, const TFont& font, TGameStateStack& gameStates, const TPhysicsView& physics,
             const TMinimapSources& mapSources);
    TInfoBar(const TInfoBar&) = delete;
    TInfoBar& operator=(const TInfoBar&) = delete;

    void toggle() { expanded = !expanded; }
    void draw();

    // "39 s": whole seconds left, truncated toward zero.
    static std::string timeText(std::int32_t remainingMs);
    // Left edge of team i's column inside the expanded bar.
    int columnX(int team) const;
    // Where the wind is drawn in the expanded bar, on the screen.
    SDL_Rect windArea() const;

    TDisplay& display;
    const TFont& font;
    TPhysicsView physics;
    TGameStateStack& gameStates;
    TPair16 teamsOrigin;
    TPair16 teamBarSize = {columnWidth, columnHeight};
    std::unique_ptr<TWidgetProgressBar> teamBar;
    std::unique_ptr<TWindInfo> windInfo;
    SurfacePtr timerText;
    bool expanded = true;
    std::unique_ptr<TMinimap> minimap;
    SurfacePtr expandedSurface;
    SurfacePtr collapsedSurface;
    SDL_Rect expandedRect = {100, 500, 600, 100};
    SDL_Rect collapsedRect = {300, 568, 200, 32};

private:
    // What the expanded panel shows of the match; the panel is composed again only when it changes.
    struct TPanelKey {
        int team = -1;
        std::vector<int> healths;
        bool operator==(const TPanelKey&) const = default;
    };

    void updateTimerText();
    void drawExpanded();
    void drawCollapsed();
    TPanelKey panelKey() const;
    void composePanel();
    void drawFramedFlag(SDL_Surface* flag, int x, int y) const;
    std::int32_t roundedWind() const;

    std::optional<std::int32_t> shownSeconds_;
    std::optional<TPanelKey> shownPanel_;
};
