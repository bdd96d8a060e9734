// The computer player: plays a computer team's turn through the same commands a human uses.
#pragma once

#include "ai/u_ai_move.hpp"
#include "ai/u_ai_shoot.hpp"

class TTimer;

class TAi {
public:
    // Walk only for the first 3 s of a turn, then also look for a shot; give up after 10 s.
    static constexpr int aimAfterRemainingMs = 37000;
    static constexpr int giveUpBelowRemainingMs = 30000;

    TAi(TCallback& callback, SDL_Surface* terrain, TTeamsManager& teams, const TTimer& timer,
        TCollisions& collisions);

    void startTurn();
    // One frame; false once the computer gives up. It then stays idle until its next turn.
    bool step();

    TCallback& callback;
    TAiMove move;
    TAiShoot shoot;
    TTeamsManager& teams;
    const TTimer& timer;
    TCollisions& collisions;
    SDL_Surface* terrain;
    bool active = true;
};
