// Kills per team during the current (or last) match.
#pragma once

#include <cstdint>
#include <vector>

struct TTeamSTats {
    std::int32_t kills = 0;         // everyone killed while this team was on turn
    std::int32_t enemiesKilled = 0; // of those, members of another team
    std::int32_t suicides = 0;      // of those, members of this team
};

struct TStatsData {
    std::vector<TTeamSTats> teams;
};

class TStatistics {
public:
    TStatistics() { reset(0); }

    void reset(int teamCount);
    // Team numbers outside the match are ignored.
    void recordKill(int shooterTeam, int victimTeam);

    int nbTeams = 0;
    TStatsData data;
};
