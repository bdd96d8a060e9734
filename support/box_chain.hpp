// The chain of boxes run by the pinned seeded test and by the benchmarks: the battlefield's size, which box
// starts the chain, and when the match has come to rest after it.
#pragma once

#include "model/u_data_teams.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics_peer.hpp"

#include <cmath>

// The battlefield: 4 teams of 300 tumboks and 100 boxes, left to settle for 40 frames before the chain.
inline constexpr int teamCount = 4;
inline constexpr int tumboksPerTeam = 300;
inline constexpr int boxCount = 100;
inline constexpr int settlingFrames = 40;

// The box nearest the middle of a 1600 pixel wide map.
inline int middleBox(TPhysics& physics) {
    TExplosifsManager& boxes = peer(physics).explosifs();
    int middle = 0;
    for (int i = 0; i < boxes.count(); ++i) {
        if (std::abs(boxes.at(i).position.x - 800) < std::abs(boxes.at(middle).position.x - 800)) {
            middle = i;
        }
    }
    return middle;
}

// No blast left, every dead body laid to rest and every living one still.
inline bool atRest(const TPhysics& physics) {
    if (!physics.view().explosions.allFinished() || !physics.deadAtRest()) {
        return false;
    }
    for (const TTeam& team : physics.view().teams.teams) {
        for (const TTumbok& tumbok : team.tumboks) {
            if (tumbok.isAlive() && !tumbok.out && !(tumbok.speed == vector(0, 0))) {
                return false;
            }
        }
    }
    return true;
}
