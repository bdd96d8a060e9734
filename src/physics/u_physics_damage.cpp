#include "physics/u_physics_damage.hpp"

#include "model/u_data_teams.hpp"
#include "model/u_statistics.hpp"
#include "resources/u_numbers.hpp"

#include <algorithm>
#include <cmath>

TDamage::TDamage(TTeamsManager& teams, TStatistics& statistics) : statistics(statistics), teams(teams) {}

void TDamage::hurt(TTumbokLocation location, int amount) {
    TTumbok* tumbok = teams.tumbokAt(location);
    if (tumbok == nullptr || !tumbok->isAlive()) {
        return;
    }
    // A negative amount would heal past full health.
    tumbok->health -= std::max(amount, 0);
    if (tumbok->health <= 0) {
        die(*tumbok);
    }
}

void TDamage::kill(TTumbokLocation location) {
    TTumbok* tumbok = teams.tumbokAt(location);
    if (tumbok != nullptr && tumbok->isAlive()) {
        die(*tumbok);
    }
}

void TDamage::die(TTumbok& tumbok) {
    tumbok.health = 0;
    statistics.recordKill(teams.current.team, tumbok.team);
}

void TDamage::blast(TVector centre, int radius, int push, int strength) {
    for (TTeam& team : teams.teams) {
        for (TTumbok& tumbok : team.tumboks) {
            if (!tumbok.isAlive()) {
                continue;
            }
            const TVector away = add(tumbok.position, scale(centre, -1.0));
            // Most tumboks are far away: the square around the circle turns them down without a root.
            if (!(std::fabs(away.x) < radius && std::fabs(away.y) < radius)) {
                continue;
            }
            const double d = norm(away);
            // Also false for a radius of 0 or less: no division by it below.
            if (!(d < radius)) {
                continue;
            }
            const double closeness = radius - d;
            tumbok.speed = add(tumbok.speed, scale(normalize(away), closeness * push / radius));
            hurt({tumbok.team, tumbok.number}, roundHalfEven(closeness * strength / radius));
        }
    }
}
