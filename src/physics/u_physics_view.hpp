// A read-only view of a match for the screens and displays.
#pragma once

#include "model/u_data_objects.hpp"

#include <SDL.h>

class TExplosifsManager;
class TExplosionsPhy;
class TParticlesManager;
class TPhysics;
class TProjectileManager;
class TTeamsManager;
class TTimer;

// What the screens and displays read of a match: its bodies, wind, timer, terrain and turn, never the
// simulation's parts nor its commands. Whatever holds the match hands it on as this view.
class TPhysicsView {
public:
    TPhysicsView(const TPhysics& physics) : physics_(physics) {} // NOLINT(google-explicit-constructor)

    const TTeamsManager& teams() const;
    const TProjectileManager& projectiles() const;
    const TExplosionsPhy& explosions() const;
    const TExplosifsManager& boxes() const;
    const TParticlesManager& particles() const;
    TVector wind() const;
    const TTimer& timer() const;
    SDL_Surface* terrain() const;

private:
    const TPhysics& physics_;
};
