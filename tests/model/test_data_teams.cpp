#include "model/u_data_teams.hpp"

#include "resources/u_diagnostics.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

void kill(TTeamsManager& manager, int team, int tumbok) {
    manager.teamAt(team)->tumboks.at(tumbok).health = 0;
}

void killTeam(TTeamsManager& manager, int team) {
    for (TTumbok& tumbok : manager.teamAt(team)->tumboks) {
        tumbok.health = 0;
    }
}

std::vector<int> teamsOfNextTurns(TTeamsManager& manager, int turns) {
    std::vector<int> order;
    for (int i = 0; i < turns; ++i) {
        EXPECT_TRUE(manager.nextTurn());
        order.push_back(manager.current.team);
    }
    return order;
}

} // namespace

TEST(Team, TumboksKnowTheirPlaceAndHealthCountsTheLiving) {
    TTeam team(2, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(team.tumboks[i].team, 2);
        EXPECT_EQ(team.tumboks[i].number, i);
    }
    EXPECT_EQ(team.health(), 300);
    team.tumboks[0].health = 40;
    team.tumboks[1].health = 0;
    team.tumboks[2].health = 7;
    EXPECT_EQ(team.health(), 47);
    EXPECT_EQ(team.tumbokAt(3), nullptr);
    EXPECT_EQ(team.tumbokAt(-1), nullptr);
}

TEST(Team, SelectFromSkipsTheDeadAndStaysInsideTheTeam) {
    TTeam team(0, 3);
    team.tumboks[1].health = 0;
    EXPECT_EQ(team.selectFrom(1), 2);
    EXPECT_EQ(team.selectFrom(3), 0);
    EXPECT_EQ(team.selectFrom(-1), 2);
    EXPECT_EQ(team.selectFrom(-9), 0);
    EXPECT_EQ(team.selectFrom(10), 2);
    EXPECT_EQ(team.current, 2);
}

TEST(Team, SelectingInABeatenTeamKeepsTheLastSelection) {
    TTeam team(0, 3);
    team.selectFrom(2);
    for (TTumbok& tumbok : team.tumboks) {
        tumbok.health = 0;
    }
    EXPECT_EQ(team.selectFrom(0), -1);
    EXPECT_EQ(team.current, 2);

    TTeam empty(1, 0);
    EXPECT_EQ(empty.selectFrom(3), -1);
}

TEST(TeamsManager, LastTeamsAreTheComputers) {
    const auto computers = [](int nbTeams, int nbAi) {
        TTeamsManager manager(nbTeams, 2, nbAi);
        std::vector<bool> flags;
        for (const TTeam& team : manager.teams) {
            flags.push_back(team.computer);
        }
        return flags;
    };
    EXPECT_EQ(computers(4, 0), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(computers(4, 1), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(computers(4, 3), (std::vector<bool>{false, true, true, true}));
}

TEST(TeamsManager, MissingTumbokIsNullWithItsErrorLine) {
    TTeamsManager manager(2, 3, 0);
    EXPECT_EQ(manager.currentTumbok(), &manager.teams[0].tumboks[0]);
    EXPECT_EQ(manager.tumbokAt(1, 2), &manager.teams[1].tumboks[2]);
    EXPECT_EQ(manager.teamAt(2), nullptr);

    const TDiagnosticCapture capture;
    EXPECT_EQ(manager.tumbokAt(1, 3), nullptr);
    EXPECT_EQ(manager.tumbokAt(TTumbokLocation{-1, 0}), nullptr);
    EXPECT_EQ(capture.text(), "ERREUR\u00A0ACCES TUMBOK\nERREUR\u00A0ACCES TUMBOK\n");
}

TEST(TurnRotation, TeamsPlayInOrderAndSkipBeatenOnes) {
    TTeamsManager manager(4, 2, 0);
    EXPECT_EQ(teamsOfNextTurns(manager, 5), (std::vector<int>{1, 2, 3, 0, 1}));

    TTeamsManager withBeaten(4, 2, 0);
    killTeam(withBeaten, 2);
    EXPECT_EQ(teamsOfNextTurns(withBeaten, 6), (std::vector<int>{1, 3, 0, 1, 3, 0}));
    EXPECT_EQ(withBeaten.teamsWithHealth(), 3);

    TTeamsManager loneSurvivor(3, 2, 0);
    killTeam(loneSurvivor, 0);
    killTeam(loneSurvivor, 2);
    EXPECT_EQ(teamsOfNextTurns(loneSurvivor, 3), (std::vector<int>{1, 1, 1}));
}

TEST(TurnRotation, AllBeatenEndsWithTheTurnWhereItWas) {
    TTeamsManager manager(3, 2, 0);
    ASSERT_TRUE(manager.nextTurn());
    manager.nextTumbok();
    const TTumbokLocation before = manager.current;
    for (int team = 0; team < 3; ++team) {
        killTeam(manager, team);
    }
    EXPECT_EQ(manager.nextTeam(0), -1);
    EXPECT_FALSE(manager.nextTurn());
    EXPECT_EQ(manager.current, before);
    EXPECT_EQ(manager.teamsWithHealth(), 0);

    const TDiagnosticCapture capture;
    EXPECT_NE(manager.currentTumbok(), nullptr);
    EXPECT_EQ(capture.text(), "");
}

TEST(TurnRotation, DeadSelectedTumbokPassesToTheNextAlive) {
    TTeamsManager manager(2, 5, 0);
    manager.teams[1].selectFrom(2);
    kill(manager, 1, 2);
    ASSERT_TRUE(manager.nextTurn());
    EXPECT_EQ(manager.current, (TTumbokLocation{1, 3}));

    kill(manager, 1, 3);
    kill(manager, 1, 4);
    ASSERT_TRUE(manager.nextTurn());
    ASSERT_TRUE(manager.nextTurn());
    EXPECT_EQ(manager.current, (TTumbokLocation{1, 0}));
    EXPECT_EQ(manager.teams[1].current, 0);

    // A tumbok that lives plays every turn of its team.
    ASSERT_TRUE(manager.nextTurn());
    ASSERT_TRUE(manager.nextTurn());
    EXPECT_EQ(manager.current, (TTumbokLocation{1, 0}));
}

TEST(TurnRotation, NextAndSelectedTumbokSkipTheDead) {
    TTeamsManager manager(2, 3, 0);
    kill(manager, 0, 1);
    manager.nextTumbok();
    EXPECT_EQ(manager.current.tumbok, 2);
    EXPECT_EQ(manager.teams[0].current, 2);
    manager.nextTumbok();
    EXPECT_EQ(manager.current.tumbok, 0);

    manager.selectTumbok(1);
    EXPECT_EQ(manager.current.tumbok, 2);
    manager.selectTumbok(-3);
    EXPECT_EQ(manager.current.tumbok, 0);
    EXPECT_EQ(manager.teams[0].current, 0);
}

TEST(TurnRotation, SwitchingInABeatenTeamNeverLeavesItsTumboks) {
    TTeamsManager manager(2, 3, 0);
    manager.selectTumbok(1);
    killTeam(manager, 0);
    manager.nextTumbok();
    manager.selectTumbok(2);
    EXPECT_EQ(manager.current, (TTumbokLocation{0, 1}));
    EXPECT_EQ(manager.teams[0].current, 1);
    EXPECT_NE(manager.currentTumbok(), nullptr);
}

TEST(TurnRotation, MatchWithoutTeamsHasNoTurnAndNoCrash) {
    TTeamsManager manager(0, 3, 0);
    EXPECT_FALSE(manager.nextTurn());
    EXPECT_EQ(manager.currentTeam(), nullptr);
    manager.nextTumbok();
    manager.selectTumbok(1);
    EXPECT_EQ(manager.current, (TTumbokLocation{0, 0}));
}
