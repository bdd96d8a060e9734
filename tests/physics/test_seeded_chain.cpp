// A seeded chain of a hundred boxes among 4 x 300 tumboks, run to rest: every step's terrain and bodies
// are folded into one digest, so that any change to where things end up shows as a changed number.
#include "physics/u_physics_explosion.hpp"
#include "support/box_chain.hpp"
#include "support/digest.hpp"
#include "support/physics_fixture.hpp"
#include "support/physics_peer.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int stepBound = 3000;

// Solid ground in the lower half, each pixel of its own colour and a few of them see-through, so that
// every darkening and every solidity test shows in the digest.
SurfacePtr patternedGround(int w, int h) {
    SurfacePtr terrain = makeTerrain(w, h);
    SurfaceLock lock(terrain.get());
    for (int y = h / 2; y < h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(terrain->pixels) + y * terrain->pitch);
        for (int x = 0; x < w; ++x) {
            const auto r = static_cast<Uint8>(x * 7 + y * 3);
            const auto g = static_cast<Uint8>(x * 13 ^ y * 5);
            const auto b = static_cast<Uint8>(x + y * 11);
            const Uint8 a = (x * 31 + y * 17) % 97 == 0 ? 100 : 255;
            row[x] = SDL_MapRGBA(terrain->format, r, g, b, a);
        }
    }
    return terrain;
}

class SeededChain : public PhysicsFixture {
protected:
    void addStepTo(TDigest& digest) const {
        digest.add(terrain());
        digest.add(physics->view().teams);
    }
};

} // namespace

TEST_F(SeededChain, AHundredBoxChainEndsExactlyAsRecorded) {
    seedRandom(42);
    build(patternedGround(1600, 1200), teamCount, tumboksPerTeam, boxCount);
    physics->takeNewTurn();
    // The living tumboks' landings are pinned as well as the chain.
    TDigest settling;
    for (int i = 0; i < settlingFrames; ++i) {
        physics->step();
        clock.advance(50);
        addStepTo(settling);
    }
    EXPECT_EQ(settling.value(), 6200057562369384101u);
    ASSERT_EQ(peer(*physics).explosifs().count(), boxCount);
    peer(*physics).explosifs().explode(middleBox(*physics));

    TDigest chain;
    int steps = 0;
    while (!atRest(*physics) && steps < stepBound) {
        physics->step();
        clock.advance(50);
        addStepTo(chain);
        ++steps;
    }

    int living = 0;
    for (const TTeam& team : physics->view().teams.teams) {
        for (const TTumbok& t : team.tumboks) {
            living += t.isAlive() ? 1 : 0;
        }
    }
    EXPECT_EQ(steps, 91);
    EXPECT_EQ(peer(*physics).explosifs().count(), 0);
    EXPECT_EQ(living, 0);
    EXPECT_EQ(stamps.graves.size(), 498u);
    EXPECT_EQ(chain.value(), 14263909947054994688u);
}
