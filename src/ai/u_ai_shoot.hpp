// The computer's aim: the first living enemy in plain sight within range, shot straight at with the bazooka.
#pragma once

#include "model/u_data_objects.hpp"

#include <SDL.h>

#include <optional>

class TCallback;
class TTeamsManager;

struct TAiTarget {
    const TTumbok* tumbok;
    int power;
    int angle; // whole degrees, counter-clockwise from the right
};

class TAiShoot {
public:
    static constexpr double sightRange = 500.0;
    static constexpr int shotPower = 1000;

    TAiShoot(TCallback& callback, SDL_Surface* terrain, const TTeamsManager& teams);

    // Fires when a target is found.
    void step();
    std::optional<TAiTarget> findTarget() const;
    // True when no terrain pixel lies on the straight line between the two bodies' centres.
    bool isVisible(const TTumbok& from, const TTumbok& to) const;

    TCallback& callback;
    SDL_Surface* terrain;
    const TTeamsManager& teams;
};

// The shot angle from one top-left corner to another, in whole degrees.
int aimAngle(TVector from, TVector to);
