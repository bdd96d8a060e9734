// The shot of a turn: launched with its sound, flown under gravity and wind until it sticks, bounces,
// hits a tumbok, explodes or leaves the map; the bazooka shell trails smoke.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

#include <memory>

class TCollisions;
class TDamage;
class TExplosionsPhy;
class TExternalForces;
class TNoise;
class TParticlesFountain;
class TParticlesManager;
class TTerrainChanges;
class TProjectileStamper;
class TTeamsManager;

class TProjectileManager {
public:
    static constexpr int maxPower = 2500;
    static constexpr double fastSpeed = 200.0; // px/s; faster bounces are heard
    static constexpr int arrowDamage = 30;
    static constexpr TVector launchOffset{8.0, 12.0};
    static constexpr int smokeLifetime = 30;
    static constexpr TVector smokeAcceleration{0.0, -200.0};
    static constexpr int smokeEmitCount = 5;

    TProjectileManager(SDL_Surface* terrain, TTeamsManager& teams, TExternalForces& forces, TDamage& damage,
                       TCollisions& collisions, TExplosionsPhy& explosions, TParticlesManager& particles,
                       TNoise& noise);
    ~TProjectileManager();
    TProjectileManager(const TProjectileManager&) = delete;
    TProjectileManager& operator=(const TProjectileManager&) = delete;

    // From the active tumbok, power clamped to 0 .. 2500, angle in degrees (0 to the right, 90 up).
    void launch(int power, TWeapon weapon, double angle);
    // One frame of flight; nothing without a projectile.
    void step();
    // An arrow hurts the tumbok it touches, a shell explodes on it; a finished projectile does nothing.
    void hitTest(TProjectile& projectile, TTumbok& tumbok);
    // Stops the smoke trail and frees the projectile.
    void discard();
    bool inFlight() const { return projectile != nullptr; }

    SDL_Surface* terrain;
    TExternalForces& forces;
    TDamage& damage;
    TCollisions& collisions;
    TExplosionsPhy& explosions;
    TNoise& noise;
    TTeamsManager& teams;
    TParticlesManager& particles;
    std::unique_ptr<TProjectile> projectile;
    TVector lastPosition;
    TParticlesFountain* fountain = nullptr;
    // Set by the displays; null stamps nothing.
    TProjectileStamper* projectileDisplay = nullptr;
    // Where each stamp went is told here, when set.
    TTerrainChanges* terrainChanges = nullptr;

private:
    // Bow, bazooka and grenade: one body; returns the contact and whether it fell out.
    bool flySingle(TProjectile& p, bool& outOfMap);
    // Fragmentation bomb: every live fragment; returns whether any touched, sets fast.
    bool flyFragments(TProjectile& bomb, bool& fast);
    void playContactSound(const TProjectile& p, bool fast) const;
    void finishByWeapon(TProjectile& p, bool contact);
    void stamp(TProjectile& p);
};
