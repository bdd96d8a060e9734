// A read-only view of a match for the screens and displays.
#pragma once

#include "model/u_data_objects.hpp"

class TExplosifsManager;
class TExplosionsPhy;
class TParticlesManager;
class TProjectileManager;
class TTeamsManager;
class TTerrainChanges;
class TTimer;

// What the screens and displays read of a match, read-only: bodies, shots, blasts, boxes, particles,
// wind, timer and where the terrain changed; none of the driver's commands.
struct TPhysicsView {
    const TTeamsManager& teams;
    const TProjectileManager& projectiles;
    const TExplosionsPhy& explosions;
    const TExplosifsManager& boxes;
    const TParticlesManager& particles;
    const TVector& wind;
    const TTimer& timer;
    const TTerrainChanges& terrainChanges;
};
