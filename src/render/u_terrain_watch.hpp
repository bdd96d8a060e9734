// Tells the minimap when the terrain picture may have changed, from what the simulation shows of itself, so
// that the terrain is scaled down again only then.
#pragma once

#include "physics/u_physics_view.hpp"

#include <cstdint>

// The terrain changes only where a blast carves it (while an explosion runs), where a dead tumbok is laid
// to rest (its out flag is set as its grave is stamped) and where a projectile is stamped (during a shot,
// which always ends its turn). A new turn, a new grave or a running explosion therefore covers every change.
struct TTerrainSignature {
    std::uint32_t turnStart = 0;
    int team = 0;
    int tumboksOut = 0;
    bool operator==(const TTerrainSignature&) const = default;
};

class TTerrainWatch {
public:
    explicit TTerrainWatch(const TPhysicsView& physics) : physics_(physics) {}

    // True at the first call, and whenever the terrain may have changed since the previous call.
    bool changed();
    // The next call answers true, whatever happened.
    void invalidate() { fresh_ = true; }

    TTerrainSignature signature() const;

private:
    bool blasting() const;

    TPhysicsView physics_;
    TTerrainSignature last_;
    bool fresh_ = true;
};
