#include "resources/u_random.hpp"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(Random, DrawsStayInRangeAndAnEmptyRangeGivesZero) {
    seedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = Random(6);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        seen.insert(value);
        const double unit = RandomUnit();
        ASSERT_GE(unit, 0.0);
        ASSERT_LT(unit, 1.0);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(Random(1), 0);
}

TEST(Random, ASeedFixesTheSequence) {
    const auto draws = [] {
        std::vector<int> values;
        for (int i = 0; i < 20; ++i) {
            values.push_back(Random(1000));
        }
        return values;
    };
    seedRandom(42);
    const std::vector<int> first = draws();
    seedRandom(42);
    EXPECT_EQ(draws(), first);
    seedRandom(43);
    EXPECT_NE(draws(), first);
}
