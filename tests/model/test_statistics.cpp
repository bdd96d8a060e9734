#include "model/u_statistics.hpp"

#include <gtest/gtest.h>

namespace {

void expectCounts(const TTeamSTats& stats, int kills, int enemies, int suicides) {
    EXPECT_EQ(stats.kills, kills);
    EXPECT_EQ(stats.enemiesKilled, enemies);
    EXPECT_EQ(stats.suicides, suicides);
}

} // namespace

TEST(Statistics, KillsSplitIntoEnemiesAndOwnMembers) {
    TStatistics statistics;
    statistics.reset(2);
    statistics.recordKill(0, 1);
    statistics.reset(4);
    ASSERT_EQ(statistics.data.teams.size(), 4U);
    expectCounts(statistics.data.teams[0], 0, 0, 0);
    statistics.recordKill(1, 1);
    statistics.recordKill(1, 3);
    statistics.recordKill(1, 3);
    expectCounts(statistics.data.teams[1], 3, 2, 1);
    expectCounts(statistics.data.teams[3], 0, 0, 0);
}

TEST(Statistics, RecordKillIgnoresTeamsOutsideTheMatch) {
    TStatistics statistics;
    statistics.reset(2);
    statistics.recordKill(-1, 0);
    statistics.recordKill(2, 0);
    statistics.recordKill(0, 2);
    statistics.recordKill(0, -1);
    expectCounts(statistics.data.teams[0], 0, 0, 0);
    expectCounts(statistics.data.teams[1], 0, 0, 0);
}
