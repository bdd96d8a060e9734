// Gravity and wind, and the fixed step that moves a body by one frame under them.
#pragma once

#include "model/u_data_objects.hpp"

class TExternalForces {
public:
    static constexpr double timeStep = 0.05;
    static constexpr double gravityStrength = 989.0;
    // The wind is a whole number in -windRange/2 .. windRange/2 - 1.
    static constexpr int windRange = 1000;

    // Draws the first wind.
    TExternalForces();

    void newWind();
    // One semi-implicit Euler step: speed first, then position with the new speed. Wind pushes
    // projectiles only; a fragmentation bomb moves its flying fragments, not itself.
    void apply(TObject& body) const;

    TVector gravity;
    TVector wind;

private:
    static void step(TObject& body, TVector acceleration);
};
