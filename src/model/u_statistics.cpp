#include "model/u_statistics.hpp"

#include <algorithm>

void TStatistics::reset(int teamCount) {
    nbTeams = std::max(teamCount, 0);
    data.teams.assign(static_cast<std::size_t>(nbTeams), TTeamSTats{});
}

void TStatistics::recordKill(int shooterTeam, int victimTeam) {
    const auto inMatch = [this](int team) { return team >= 0 && team < nbTeams; };
    if (!inMatch(shooterTeam) || !inMatch(victimTeam)) {
        return;
    }
    TTeamSTats& shooter = data.teams[static_cast<std::size_t>(shooterTeam)];
    ++shooter.kills;
    if (shooterTeam == victimTeam) {
        ++shooter.suicides;
    } else {
        ++shooter.enemiesKilled;
    }
}
