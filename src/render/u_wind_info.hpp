// The wind as the information bar shows it: a sock and a percentage when expanded, a gauge when collapsed.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <string>

class TDisplay;
class TFont;

class TWindInfo {
public:
    // The strongest wind the game draws; stronger values are shown as this one.
    static constexpr std::int32_t fullWind = 500;
    // Pixels of the collapsed gauge at full wind, on each side of the post.
    static constexpr int gaugeReach = 60;

    TWindInfo(TDisplay& display, const TFont& font);
    TWindInfo(const TWindInfo&) = delete;
    TWindInfo& operator=(const TWindInfo&) = delete;

    // Picks the sock and renders the percentage, only when the wind differs from the one shown.
    void setWind(std::int32_t w);
    // Into the video surface: within the area when expanded; from its top-left corner when collapsed.
    void draw(const SDL_Rect& area, bool expanded);

    // "0 %" up to "100 %".
    static std::string percentText(std::int32_t w);
    // Length of the collapsed gauge, 0 .. gaugeReach.
    static int gaugeLength(std::int32_t w);

    TDisplay& display;
    const TFont& font;
    SurfacePtr sockLeft;
    SurfacePtr sockRight;
    SDL_Surface* sock = nullptr;
    SurfacePtr windText;
    SDL_Rect sockRect = {0, 0, 0, 0};
    SDL_Rect textRect = {0, 0, 0, 0};
    std::int32_t wind = -1;

private:
    void drawExpanded(const SDL_Rect& area);
    void drawGauge(const SDL_Rect& area) const;
};
