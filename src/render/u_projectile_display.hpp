// Drawing the projectile in flight (a fragmentation bomb shows its fragments) and stamping one into the
// terrain.
#pragma once

#include "model/u_data_objects.hpp"
#include "physics/u_physics_stamps.hpp"
#include "render/u_basic_display.hpp"
#include "render/u_picture_cache.hpp"
#include "resources/u_sdl_handles.hpp"

#include <array>

class TProjectileDisplay : public TBasicDisplay, public TProjectileStamper {
public:
    // Bow, bazooka, grenade; the fragmentation bomb has no picture of its own.
    static constexpr std::size_t pictureCount = 3;

    TProjectileDisplay(TDisplay& display, TMoves& moves);
    TProjectileDisplay(const TProjectileDisplay&) = delete;
    TProjectileDisplay& operator=(const TProjectileDisplay&) = delete;

    // Updates the projectile's flight angle from its speed, as the rotation needs.
    void draw(TProjectile& p);
    // Blends the projectile, turned to its flight, into the surface at its map position.
    TPixelRect stamp(TProjectile& p, SDL_Surface* surface) override;

    std::array<SurfacePtr, pictureCount> pictures;

private:
    void drawOne(TProjectile& p);
    SDL_Surface* pictureOf(const TProjectile& p) const;

    // Turned copies for drawing, one per whole degree of flight.
    std::array<TPictureCache, pictureCount> turned_;
};
