#include "render/u_terrain_watch.hpp"

#include "model/u_data_teams.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_timer.hpp"

TTerrainSignature TTerrainWatch::signature() const {
    TTerrainSignature now;
    now.turnStart = physics_.timer.startTicks;
    now.team = physics_.teams.current.team;
    for (const TTeam& team : physics_.teams.teams) {
        for (const TTumbok& tumbok : team.tumboks) {
            now.tumboksOut += tumbok.out ? 1 : 0;
        }
    }
    return now;
}

bool TTerrainWatch::blasting() const {
    return !physics_.explosions.allFinished();
}

bool TTerrainWatch::changed() {
    const TTerrainSignature now = signature();
    const bool result = fresh_ || blasting() || !(now == last_);
    last_ = now;
    fresh_ = false;
    return result;
}
