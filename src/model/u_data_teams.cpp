#include "model/u_data_teams.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"

#include <algorithm>

namespace {

// Circular index that stays in 0 .. size - 1 for any start, negative ones included.
int wrapIndex(int value, int size) {
    const int remainder = value % size;
    return remainder < 0 ? remainder + size : remainder;
}

} // namespace

TTeam::TTeam(int teamIndex, int tumbokCount)
    : count(std::max(tumbokCount, 0)), index(teamIndex), flagBig(loadFlag(teamIndex, TFlagSize::FlagSizeBig)),
      flagSmall(loadFlag(teamIndex, TFlagSize::FlagSizeSmall)) {
    tumboks.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        tumboks[static_cast<std::size_t>(i)].setPlace(index, i);
    }
    selectFrom(0);
}

int TTeam::health() const {
    int total = 0;
    for (const TTumbok& tumbok : tumboks) {
        total += std::max(tumbok.health, 0);
    }
    return total;
}

int TTeam::selectFrom(int start) {
    for (int k = 0; k < count; ++k) {
        const int candidate = wrapIndex(start + k, count);
        if (tumboks[static_cast<std::size_t>(candidate)].isAlive()) {
            current = candidate;
            return current;
        }
    }
    return -1;
}

TTumbok* TTeam::tumbokAt(int i) {
    return const_cast<TTumbok*>(static_cast<const TTeam&>(*this).tumbokAt(i));
}

const TTumbok* TTeam::tumbokAt(int i) const {
    if (i < 0 || i >= count) {
        return nullptr;
    }
    return &tumboks[static_cast<std::size_t>(i)];
}

TTeamsManager::TTeamsManager(int teamCount, int tumboksPerTeam, int nbAi)
    : nbTeams(std::max(teamCount, 0)), nbTumboks(std::max(tumboksPerTeam, 0)) {
    teams.reserve(static_cast<std::size_t>(nbTeams));
    for (int i = 0; i < nbTeams; ++i) {
        TTeam& team = teams.emplace_back(i, nbTumboks);
        team.computer = nbAi >= nbTeams - i;
    }
}

TTeam* TTeamsManager::teamAt(int i) {
    return const_cast<TTeam*>(static_cast<const TTeamsManager&>(*this).teamAt(i));
}

const TTeam* TTeamsManager::teamAt(int i) const {
    if (i < 0 || i >= nbTeams) {
        return nullptr;
    }
    return &teams[static_cast<std::size_t>(i)];
}

TTumbok* TTeamsManager::tumbokAt(TTumbokLocation location) {
    return const_cast<TTumbok*>(static_cast<const TTeamsManager&>(*this).tumbokAt(location));
}

const TTumbok* TTeamsManager::tumbokAt(TTumbokLocation location) const {
    const TTeam* team = teamAt(location.team);
    const TTumbok* tumbok = team != nullptr ? team->tumbokAt(location.tumbok) : nullptr;
    if (tumbok == nullptr) {
        diagnosticLine("ERREUR\u00A0ACCES TUMBOK");
    }
    return tumbok;
}

TTumbok* TTeamsManager::tumbokAt(int team, int tumbok) {
    return tumbokAt(TTumbokLocation{team, tumbok});
}

TTumbok* TTeamsManager::currentTumbok() {
    return tumbokAt(current);
}

const TTumbok* TTeamsManager::currentTumbok() const {
    return tumbokAt(current);
}

TTeam* TTeamsManager::currentTeam() {
    return teamAt(current.team);
}

const TTeam* TTeamsManager::currentTeam() const {
    return teamAt(current.team);
}

int TTeamsManager::nextTeam(int from) {
    for (int k = 0; k < nbTeams; ++k) {
        TTeam& team = teams[static_cast<std::size_t>(wrapIndex(from + k, nbTeams))];
        if (team.health() > 0) {
            team.selectFrom(team.current);
            return team.index;
        }
    }
    return -1;
}

bool TTeamsManager::nextTurn() {
    const int team = nextTeam(current.team + 1);
    if (team < 0) {
        return false;
    }
    current.team = team;
    const int selected =
        teams[static_cast<std::size_t>(team)].selectFrom(teams[static_cast<std::size_t>(team)].current);
    if (selected < 0) {
        diagnosticLine("ERREUR : selection de tumbok incoherente");
        return false;
    }
    current.tumbok = selected;
    return true;
}

void TTeamsManager::nextTumbok() {
    TTeam* team = currentTeam();
    if (team != nullptr) {
        followTeamSelection(team->selectFrom(team->current + 1));
    }
}

void TTeamsManager::selectTumbok(int i) {
    TTeam* team = currentTeam();
    if (team != nullptr) {
        followTeamSelection(team->selectFrom(i));
    }
}

int TTeamsManager::teamsWithHealth() const {
    return static_cast<int>(
        std::count_if(teams.begin(), teams.end(), [](const TTeam& team) { return team.health() > 0; }));
}

void TTeamsManager::followTeamSelection(int selected) {
    if (selected >= 0) {
        current.tumbok = selected;
    }
}
