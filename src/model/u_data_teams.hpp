// The sides of a match, their tumboks and flags, and whose turn it is.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

#include <vector>

using TTumbokList = std::vector<TTumbok>;

class TTeam {
public:
    // Loads the team's two flags and creates its tumboks, all alive, tumbok 0 selected.
    TTeam(int teamIndex, int tumbokCount);

    // Sum of the living tumboks' health; the team is in the match while it is above 0.
    int health() const;
    // Selects the first living tumbok from start on, wrapping; returns its index, or -1 when none
    // is alive. A failed search keeps the previous selection, so current always names a tumbok.
    int selectFrom(int start);
    // Null outside 0 .. count - 1.
    TTumbok* tumbokAt(int i);
    const TTumbok* tumbokAt(int i) const;

    int count;
    int index;
    bool computer = false;
    SurfacePtr flagBig;
    SurfacePtr flagSmall;
    TTumbokList tumboks;
    int current = 0;
    // The team's last shot, shown again when its turn comes back.
    int power = 0;
    TWeapon weapon = TWeapon::WeaponBazooka;
};

class TTeamsManager {
public:
    // The last nbAi teams are played by the computer; team 0 and its tumbok 0 play first.
    TTeamsManager(int teamCount, int tumboksPerTeam, int nbAi);

    TTeam* teamAt(int i);
    const TTeam* teamAt(int i) const;
    // Null, after the line "ERREUR ACCES TUMBOK", when there is no such tumbok.
    TTumbok* tumbokAt(TTumbokLocation location);
    const TTumbok* tumbokAt(TTumbokLocation location) const;
    TTumbok* tumbokAt(int team, int tumbok);
    TTumbok* currentTumbok();
    const TTumbok* currentTumbok() const;
    // The team on turn; null only in a match without teams.
    TTeam* currentTeam();
    const TTeam* currentTeam() const;

    // First team from `from` on (wrapping) with health, its selection moved past dead tumboks;
    // -1 when no team has health.
    int nextTeam(int from);
    // Hands the turn to the next team with health; false when there is none (the turn then
    // stays where it was) or when its selection is incoherent.
    bool nextTurn();
    // Tab: the team on turn moves on to its next living tumbok.
    void nextTumbok();
    // Mouse pick: the team on turn selects its first living tumbok from i on.
    void selectTumbok(int i);
    // The match goes on while at least two teams have health.
    int teamsWithHealth() const;

    int nbTeams;
    int nbTumboks;
    std::vector<TTeam> teams;
    TTumbokLocation current;

private:
    void followTeamSelection(int selected);
};
