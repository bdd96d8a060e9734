// What every screen shares beside the display, font and sound: settings, statistics, kind of match.
#pragma once

#include "app/u_preferences.hpp"
#include "model/u_statistics.hpp"
#include "resources/u_sdl_handles.hpp"
#include "resources/u_solid_mask.hpp"

#include <cstdint>
#include <string>

enum class TGameType : std::uint8_t { GameLocal = 0, GameNetwork = 1 };

// The maps the setup panel has just checked, handed to the match it starts, so that a large picture is
// decoded, and the ground of the terrain mapped, only once; each part is empty when there is none.
struct TCheckedMaps {
    std::string terrainName;
    SurfacePtr terrain;
    TSolidMask solid; // of the terrain
    std::string backgroundName;
    SurfacePtr background;
};

class TContext {
public:
    TContext() = default;
    explicit TContext(std::string configPath) : preferences(std::move(configPath)) {}
    // Writes config.txt.
    ~TContext() { preferences.save(); }
    TContext(const TContext&) = delete;
    TContext& operator=(const TContext&) = delete;

    TPreferences preferences;
    TStatistics statistics;
    TGameType gameType = TGameType::GameLocal;
    int networkTeam = 0;
    TCheckedMaps checkedMaps;
};
