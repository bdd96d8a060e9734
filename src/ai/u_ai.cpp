#include "ai/u_ai.hpp"

#include "physics/u_physics_data.hpp"
#include "physics/u_physics_timer.hpp"

TAi::TAi(TCallback& callback, SDL_Surface* terrain, TTeamsManager& teams, const TTimer& timer,
         TCollisions& collisions)
    : callback(callback), move(callback, terrain, teams, collisions), shoot(callback, terrain, teams),
      teams(teams), timer(timer), collisions(collisions), terrain(terrain) {}

void TAi::startTurn() {
    active = true;
    callback.selectWeapon(TWeapon::WeaponBazooka);
    callback.changeTumbok();
    move.start();
}

bool TAi::step() {
    if (!active) {
        return false;
    }
    move.step();
    if (timer.remaining() < aimAfterRemainingMs) {
        shoot.step();
    }
    active = timer.remaining() >= giveUpBelowRemainingMs;
    return active;
}
