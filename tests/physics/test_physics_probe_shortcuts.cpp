// The collision probes skip work (rounding once per body, sub-steps that probe pixels already found clear,
// paths away from the picture); these cases check against the probes taken one by one that nothing changes.
#include "physics/u_physics_collisions.hpp"

#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"
#include "support/match_fixture.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Each probe rounded on its own, in the order of the border walk.
bool referenceOverlap(SDL_Surface* terrain, const TObject& b, TVector& contact) {
    const double x = b.position.x, y = b.position.y;
    const int w = b.width, h = b.height;
    const auto probe = [&](double px, double py) {
        if (isSolid(terrain, vector(px, py))) {
            contact = vector(px, py);
            return true;
        }
        return false;
    };
    for (int i = 0; i <= w; ++i) {
        if (probe(x + i, y + h)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(x + i, y)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(x, y + i)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(x + w, y + i)) {
            return true;
        }
    }
    return false;
}

// Undo the frame, then one pixel and twentieths of a pixel along the path, testing every sub-step.
bool referenceSweep(SDL_Surface* terrain, TObject& b, TVector& contact) {
    const double length = norm(b.speed);
    const TVector reached = b.position;
    b.position = add(b.position, scale(b.speed, -0.05));
    const TVector unit = scale(b.speed, 1.0 / length);
    TVector step = unit;
    for (double k = 1.0;; k += 1.0) {
        b.position = add(b.position, step);
        if (!(length > k)) {
            break;
        }
        if (referenceOverlap(terrain, b, contact)) {
            return true;
        }
        step = scale(unit, 0.05);
    }
    b.position = reached;
    return false;
}

class ProbeShortcutsTest : public MatchFixture {
protected:
    ProbeShortcutsTest() : MatchFixture(2, 1) {
        seedRandom(13);
        terrain = makeTerrain(200, 160);
        for (int blob = 0; blob < 40; ++blob) {
            fillTerrain(terrain.get(), Random(200), Random(160), 1 + Random(20), 1 + Random(6));
        }
        collisions = std::make_unique<TCollisions>(terrain.get(), *teams, *damage, messages);
    }

    // Quarters and halves of a pixel included, where rounding to even matters.
    static double coordinate(int range) { return Random(range * 4) / 4.0 - 40.0; }

    SurfacePtr terrain;
    std::unique_ptr<TCollisions> collisions;
};

} // namespace

TEST_F(ProbeShortcutsTest, OverlapAgreesWithProbesRoundedOneByOne) {
    for (int trial = 0; trial < 20000; ++trial) {
        TExplosif body;
        body.width = 1 + Random(30);
        body.height = 1 + Random(45);
        body.position = vector(coordinate(280), coordinate(240));
        TVector fast(-1, -1);
        TVector slow(-1, -1);
        ASSERT_EQ(collisions->overlaps(body, fast), referenceOverlap(terrain.get(), body, slow))
            << body.position.x << "," << body.position.y;
        ASSERT_EQ(fast, slow);
    }
}

TEST_F(ProbeShortcutsTest, SweepAgreesWithEverySubStepTested) {
    for (int trial = 0; trial < 1000; ++trial) {
        TProjectile body(TWeapon::WeaponBow); // its collision step reports any contact
        body.width = 1 + Random(10);
        body.height = 1 + Random(40);
        body.position = vector(coordinate(280), coordinate(240));
        body.speed = vector(Random(6000) - 3000 + 0.25 * Random(4), Random(6000) - 3000);
        TObject reference = body;
        bool out = false;
        const bool contact = collisions->collide(body, true, out, false);
        TVector slowContact;
        const bool slowFound = referenceSweep(terrain.get(), reference, slowContact);
        ASSERT_EQ(contact || out, slowFound || out);
        if (!slowFound) {
            ASSERT_EQ(body.position, reference.position);
        }
    }
}
