// What the physics asks of the displays when a body becomes part of the terrain picture: the displays
// implement these, so the simulation never depends on the drawing code.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

class TProjectile;
class TTumbok;

class TDeadTumbokStamper {
public:
    TDeadTumbokStamper() = default;
    TDeadTumbokStamper(const TDeadTumbokStamper&) = delete;
    TDeadTumbokStamper& operator=(const TDeadTumbokStamper&) = delete;
    virtual ~TDeadTumbokStamper() = default;

    // Composes the dead tumbok's grave into the terrain at its map position; gives the part of the terrain it
    // changed.
    virtual TPixelRect stampDead(const TTumbok& tumbok, SDL_Surface* terrain) = 0;
};

class TProjectileStamper {
public:
    TProjectileStamper() = default;
    TProjectileStamper(const TProjectileStamper&) = delete;
    TProjectileStamper& operator=(const TProjectileStamper&) = delete;
    virtual ~TProjectileStamper() = default;

    // Composes the projectile's picture into the surface at its map position; gives the part of the surface
    // it changed.
    virtual TPixelRect stamp(TProjectile& projectile, SDL_Surface* surface) = 0;
};
