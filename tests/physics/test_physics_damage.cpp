#include "physics/u_physics_damage.hpp"

#include "resources/u_diagnostics.hpp"
#include "support/match_fixture.hpp"

#include <gtest/gtest.h>

using DamageTest = MatchFixture;

TEST_F(DamageTest, HurtKillsAtZeroAndCountsTheKillOnce) {
    teams->current = {1, 0};
    damage->hurt({2, 1}, 30);
    EXPECT_EQ(tumbok(2, 1).health, 70);
    damage->hurt({2, 1}, 95);
    EXPECT_EQ(tumbok(2, 1).health, 0);
    EXPECT_EQ(stats(1).kills, 1);
    EXPECT_EQ(stats(1).enemiesKilled, 1);

    // A dead body that lands hard or falls out is not killed again.
    damage->hurt({2, 1}, 10);
    damage->kill({2, 1});
    EXPECT_EQ(tumbok(2, 1).health, 0);
    EXPECT_EQ(stats(1).kills, 1);
    EXPECT_EQ(stats(2).kills, 0);

    damage->hurt({0, 0}, -20); // never heals
    EXPECT_EQ(tumbok(0, 0).health, 100);
}

TEST_F(DamageTest, KillsSplitIntoEnemiesAndOwnMembers) {
    teams->current = {1, 2};
    damage->kill({1, 2}); // the shooter itself
    damage->kill({3, 0});
    damage->hurt({3, 1}, 100);
    EXPECT_EQ(stats(1).kills, 3);
    EXPECT_EQ(stats(1).enemiesKilled, 2);
    EXPECT_EQ(stats(1).suicides, 1);
    EXPECT_EQ(stats(3).kills, 0);
}

TEST_F(DamageTest, UnknownTumbokIsReportedAndLeftAlone) {
    const TDiagnosticCapture captured;
    damage->hurt({7, 0}, 10);
    damage->kill({0, 9});
    EXPECT_EQ(captured.text(), "ERREUR\u00A0ACCES TUMBOK\nERREUR\u00A0ACCES TUMBOK\n");
    EXPECT_EQ(stats(0).kills, 0);
}

TEST_F(DamageTest, BlastPushesAndHurtsByDistanceFromTheCorner) {
    teams->current = {0, 0};
    const TVector centre = vector(300, 200);
    sendEveryoneAway();
    tumbok(0, 0).position = centre;           // at the centre: 90 points, no push
    tumbok(1, 0).position = vector(250, 200); // half the radius to the left
    tumbok(1, 1).position = vector(300, 300); // exactly the radius below: untouched
    tumbok(2, 0).position = vector(330, 240); // 50 px away along (0.6, 0.8)
    tumbok(2, 1).position = vector(300, 210); // dead already: skipped
    tumbok(2, 1).health = 0;
    tumbok(2, 1).speed = vector(1, 2);

    damage->blast(centre, 100, 1500, 90);

    EXPECT_EQ(tumbok(0, 0).health, 10);
    EXPECT_EQ(tumbok(0, 0).speed, vector(0, 0));
    EXPECT_EQ(tumbok(1, 0).health, 55);
    EXPECT_DOUBLE_EQ(tumbok(1, 0).speed.x, -750);
    EXPECT_DOUBLE_EQ(tumbok(1, 0).speed.y, 0);
    EXPECT_EQ(tumbok(1, 1).health, 100);
    EXPECT_EQ(tumbok(1, 1).speed, vector(0, 0));
    EXPECT_EQ(tumbok(2, 0).health, 55);
    EXPECT_NEAR(tumbok(2, 0).speed.x, 450, 1e-9);
    EXPECT_NEAR(tumbok(2, 0).speed.y, 600, 1e-9);
    EXPECT_EQ(tumbok(2, 1).speed, vector(1, 2));

    // A second blast of the same explosion hurts and pushes again, and kills the one at the centre.
    damage->blast(centre, 100, 1500, 90);
    EXPECT_EQ(tumbok(0, 0).health, 0);
    EXPECT_EQ(tumbok(1, 0).health, 10);
    EXPECT_DOUBLE_EQ(tumbok(1, 0).speed.x, -1500);
    EXPECT_EQ(stats(0).suicides, 1);
    EXPECT_EQ(stats(0).kills, 1);
}

TEST_F(DamageTest, BlastOfNoRadiusTouchesNobody) {
    tumbok(0, 0).position = vector(10, 10);
    damage->blast(vector(10, 10), 0, 1500, 90);
    damage->blast(vector(10, 10), -5, 1500, 90);
    EXPECT_EQ(tumbok(0, 0).health, 100);
    EXPECT_EQ(tumbok(0, 0).speed, vector(0, 0));
}
