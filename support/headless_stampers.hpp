// The game's own tumbok and projectile displays, over a window that is never shown, attached to a match as
// its stampers: graves and stuck arrows become solid terrain exactly as they do in the game.
#pragma once

#include "app/u_display.hpp"
#include "app/u_preferences.hpp"
#include "physics/u_physics.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_projectile_display.hpp"
#include "render/u_tumbok_display.hpp"

#include <string>

class THeadlessStampers {
public:
    explicit THeadlessStampers(TPhysics& physics)
        : physics_(physics), moves_(display_.screen, physics.terrainSurface(), physics.terrainSurface()),
          graves_(display_, moves_, physics.view().teams), shots_(display_, moves_) {
        physics_.attachStampers(&graves_, &shots_);
    }
    ~THeadlessStampers() { physics_.attachStampers(nullptr, nullptr); }
    THeadlessStampers(const THeadlessStampers&) = delete;
    THeadlessStampers& operator=(const THeadlessStampers&) = delete;

private:
    TPhysics& physics_;
    TPreferences preferences_{std::string()}; // kept for this run only
    TDisplay display_{preferences_};
    TMoves moves_;
    TTumbokDisplay graves_;
    TProjectileDisplay shots_;
};
