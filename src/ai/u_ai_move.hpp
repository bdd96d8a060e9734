// The computer's walk: wander one way, turning round at the map's sides, before a drop and when stuck.
#pragma once

#include "model/u_data_objects.hpp"

#include <SDL.h>

#include <cstdint>

class TCallback;
class TCollisions;
class TTeamsManager;

enum class TMovement : std::uint8_t {
    StandStill = 0,
    Blocked = 1,
    Walking = 2,
    PreparingJump = 3,
    Jumping = 4
};

class TAiMove {
public:
    static constexpr int edgeMargin = 5;
    static constexpr int lookAhead = 5;

    TAiMove(TCallback& callback, SDL_Surface* terrain, TTeamsManager& teams, const TCollisions& collisions);

    void start();
    void step();

    TVector lastPosition{-1, -1};
    TVector blockedPosition{-1, -1};
    TVector foot;
    SDL_Surface* terrain;
    TTeamsManager& teams;
    TCallback& callback;
    const TCollisions& collisions;
    TMovement movement = TMovement::StandStill;
    TDirection direction = TDirection::DirectionRight;

private:
    bool mustTurn(const TTumbok& tumbok) const;
    bool atEdge(const TTumbok& tumbok) const;
    bool dropAhead(const TTumbok& tumbok) const;
    void turnRound();
};
