// LOCAL STAND-IN for the computer player, until the `ai` branch is merged (delete this file then).
// Same interface as the real one; it never acts and gives up once 10 s of the turn are spent.
#pragma once

#include "model/u_data_teams.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_timer.hpp"

class TAi {
public:
    static constexpr std::int32_t giveUpRemaining = 30000;

    TAi(TCallback& callback, SDL_Surface* terrain, TTeamsManager& teams, const TTimer& timer,
        TCollisions& collisions)
        : callback_(callback), terrain_(terrain), teams_(teams), timer_(timer), collisions_(collisions) {}

    void startTurn() { callback_.selectWeapon(TWeapon::WeaponBazooka); }
    // False: the computer gives up.
    bool step() { return timer_.remaining() >= giveUpRemaining; }

private:
    TCallback& callback_;
    SDL_Surface* terrain_;
    TTeamsManager& teams_;
    const TTimer& timer_;
    TCollisions& collisions_;
};
