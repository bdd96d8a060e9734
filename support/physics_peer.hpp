// Reaches into a match's components, for tests and developer tools that stage a scene by hand; the game
// itself goes through the driver's commands and its read-only view.
#pragma once

#include "physics/u_physics.hpp"

class TPhysicsPeer {
public:
    explicit TPhysicsPeer(TPhysics& physics) : physics_(physics) {}

    TTeamsManager& teams() const { return *physics_.teams; }
    TExternalForces& forces() const { return *physics_.forces; }
    TCollisions& collisions() const { return *physics_.collisions; }
    TExplosionsPhy& explosions() const { return *physics_.explosions; }
    TProjectileManager& projectiles() const { return *physics_.projectiles; }
    TExplosifsManager& explosifs() const { return *physics_.explosifs; }
    TTimer& timer() const { return physics_.timer; }
    TTerrainChanges& terrainChanges() const { return physics_.terrainChanges_; }

private:
    TPhysics& physics_;
};

inline TPhysicsPeer peer(TPhysics& physics) {
    return TPhysicsPeer(physics);
}
