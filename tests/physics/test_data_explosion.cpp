#include "physics/u_data_explosion.hpp"

#include "resources/u_random.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

// "r.i" for node i (1-based) of ring r, in creation order.
std::map<const TExplosionNode*, std::string> nodeNames(const TExplosion& explosion) {
    std::map<const TExplosionNode*, std::string> names;
    const int ringSizes[] = {1, 3, 9};
    auto it = explosion.nodes().begin();
    for (int ring = 0; ring < 3; ++ring) {
        for (int i = 1; i <= ringSizes[ring]; ++i, ++it) {
            names[&*it] = std::to_string(ring + 1) + "." + std::to_string(i);
        }
    }
    return names;
}

} // namespace

TEST(ExplosionTest, BlastsActOnTheirScheduleAndTheExplosionEndsAfterSixteenUpdates) {
    seedRandom(3);
    TExplosion explosion(100, 200);
    ASSERT_EQ(explosion.nodes().size(), 13u);
    const auto names = nodeNames(explosion);

    std::map<int, std::vector<std::string>> actions;
    int total = 0;
    int update = 0;
    while (!explosion.isFinished() && update < 100) {
        ++update;
        TExplosion::TCursor cursor;
        while (explosion.advance(cursor)) {
            if (cursor.node().age == TExplosion::actingAge) {
                actions[update].push_back(names.at(&cursor.node()));
                ++total;
            }
        }
    }
    const std::map<int, std::vector<std::string>> expected = {
        {8, {"1.1"}},
        {10, {"2.2", "2.3"}},
        {11, {"2.1", "2.3"}},
        {12, {"2.3", "3.1", "3.2", "3.3", "3.4", "3.5", "3.6", "3.7", "3.8", "3.9"}},
        {13, {"3.1", "3.3", "3.5", "3.7", "3.9"}},
        {14, {"3.3", "3.7"}},
        {15, {"3.7"}},
    };
    EXPECT_EQ(actions, expected);
    EXPECT_EQ(total, 23);
    EXPECT_EQ(update, 16);
}

TEST(ExplosionTest, RingsSpreadFartherWithSmallerBlasts) {
    seedRandom(11);
    for (int trial = 0; trial < 50; ++trial) {
        const TExplosion explosion(500, 400);
        int index = 0;
        for (const TExplosionNode& node : explosion.nodes()) {
            const int ring = index == 0 ? 1 : index < 4 ? 2 : 3;
            ++index;
            const double offset = std::hypot(node.x - 500, node.y - 400);
            EXPECT_LE(offset, 74 * ring / 3 + 1);
            EXPECT_EQ(node.age, -1 - 2 * ring);
            const int base = ring == 3 ? 75 : 150;
            if (ring == 1) {
                EXPECT_EQ(node.radius, 150);
            } else {
                EXPECT_GE(node.radius, base * 3 / 4);
                EXPECT_LE(node.radius, base);
            }
        }
    }
}

TEST(ExplosionTest, AdvancingAnEmptyOrEndedWalkReturnsNothing) {
    TExplosion explosion(0, 0);
    for (int update = 0; update < 16; ++update) {
        TExplosion::TCursor cursor;
        while (explosion.advance(cursor)) {
        }
        EXPECT_FALSE(explosion.advance(cursor)); // past the end stays at the end
    }
    EXPECT_TRUE(explosion.isFinished());
    TExplosion::TCursor cursor;
    EXPECT_FALSE(explosion.advance(cursor));
}
