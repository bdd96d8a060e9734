#include "ai/u_ai.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_statistics.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_timer.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/manual_clock.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TShot {
    int power;
    TWeapon weapon;
    double angle;
};

// A command interface that records what the computer asks for and walks a tumbok in plain 5-pixel steps.
class TRecordingCallback final : public TCallback {
public:
    explicit TRecordingCallback(TTeamsManager& teams) : teams_(teams) {}

    void changeTumbok() override {
        commands.push_back("changeTumbok");
        teams_.nextTumbok();
    }
    TVector walkDisplacement(TVector, int steps, TDirection direction) override {
        return vector(direction == TDirection::DirectionRight ? steps : -steps, 0);
    }
    void walk(TDirection direction) override {
        commands.push_back(direction == TDirection::DirectionRight ? "right" : "left");
        TTumbok* tumbok = teams_.currentTumbok();
        if (tumbok->direction != direction) {
            tumbok->direction = direction;
        } else if (!blocked) {
            tumbok->position = add(tumbok->position, walkDisplacement({}, 5, direction));
        }
    }
    void jump() override { commands.push_back("jump"); }
    bool fire(int power, TWeapon weapon, double angle) override {
        shots.push_back({power, weapon, angle});
        return true;
    }
    void selectWeapon(TWeapon weapon) override {
        commands.push_back("select " + std::to_string(static_cast<int>(weapon)));
    }

    std::vector<std::string> commands;
    std::vector<TShot> shots;
    bool blocked = false;

private:
    TTeamsManager& teams_;
};

// A small world: a terrain with a flat floor at y = 300 from x = 0 to floorEnd, two teams, a driven clock.
struct AiWorld : testing::Test {
    static constexpr int floorTop = 300;

    SurfacePtr terrain = makeTerrain(1000, 400);
    TTeamsManager teams{2, 3, 1};
    TStatistics statistics;
    TDamage damage{teams, statistics};
    TSilentMessages messages;
    TCollisions collisions{terrain.get(), teams, damage, messages};
    TManualClock clock{1000};
    TTimer timer{TTimer::turnDuration, clock};
    TRecordingCallback callback{teams};

    void SetUp() override {
        floor(0, 1000);
        // Everyone far away and out of sight at first.
        for (TTeam& team : teams.teams) {
            for (TTumbok& tumbok : team.tumboks) {
                place(tumbok, 20 + 300 * team.index + 10 * tumbok.number);
                tumbok.position.y = 2000;
            }
        }
    }
    void floor(int from, int to) const { fillTerrain(terrain.get(), from, floorTop, to - from, 100); }
    void wall(int x) const { fillTerrain(terrain.get(), x, 0, 20, floorTop); }
    // Only a floor from `from` to `to`, sky everywhere else.
    void floorOnly(int from, int to) const {
        fillSurface(terrain.get(), {0, 0, 0, 0});
        floor(from, to);
    }
    static void place(TTumbok& tumbok, double x) {
        tumbok.position = vector(x, floorTop - tumbok.height - 1);
        tumbok.speed = vector(0, 0);
    }
    TTumbok& me() { return *teams.currentTumbok(); }
    TTumbok& enemy(int tumbok) { return teams.teams[1].tumboks[static_cast<std::size_t>(tumbok)]; }
};

} // namespace

TEST(AiAim, AngleIsCounterClockwiseFromTheRightInWholeDegrees) {
    EXPECT_EQ(aimAngle({0, 0}, {100, 0}), 0);
    EXPECT_EQ(aimAngle({0, 0}, {100, -100}), 45);
    EXPECT_EQ(aimAngle({0, 0}, {100, 100}), -45);
    EXPECT_EQ(aimAngle({0, 0}, {0, -50}), 90);
    EXPECT_EQ(aimAngle({0, 0}, {0, 50}), 90); // straight below is aimed straight up too
    EXPECT_EQ(aimAngle({0, 0}, {-100, 100}), 225);
    EXPECT_EQ(aimAngle({0, 0}, {-100, -100}), -225);
    EXPECT_EQ(aimAngle({0, 0}, {-100, 0}), -180);
}

TEST_F(AiWorld, ShootsTheFirstVisibleEnemyWithinRangeOnly) {
    TAiShoot shoot(callback, terrain.get(), teams);
    place(me(), 100);
    place(enemy(0), 100 + 500);
    EXPECT_FALSE(shoot.findTarget().has_value());
    place(enemy(0), 100 + 499);
    const auto target = shoot.findTarget();
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->tumbok, &enemy(0));
    shoot.step();
    ASSERT_EQ(callback.shots.size(), 1u);
    EXPECT_EQ(callback.shots[0].power, 1000);
    EXPECT_EQ(callback.shots[0].weapon, TWeapon::WeaponBazooka);
    EXPECT_EQ(callback.shots[0].angle, 0);
}

TEST_F(AiWorld, NeverAimsAtTeammatesOrTheDeadAndPrefersTheLowerIndex) {
    TAiShoot shoot(callback, terrain.get(), teams);
    place(me(), 100);
    place(teams.teams[0].tumboks[1], 130);
    EXPECT_FALSE(shoot.findTarget().has_value());
    place(enemy(0), 200);
    enemy(0).health = 0;
    place(enemy(2), 400);
    place(enemy(1), 300);
    const auto target = shoot.findTarget();
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->tumbok, &enemy(1));
}

TEST_F(AiWorld, TerrainBlocksTheSightButTheEnemyAboveIsSeen) {
    TAiShoot shoot(callback, terrain.get(), teams);
    place(me(), 100);
    place(enemy(0), 300);
    wall(200);
    EXPECT_FALSE(shoot.findTarget().has_value());
    enemy(0).position = vector(100, 50);
    const auto target = shoot.findTarget();
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->angle, 90);
}

TEST_F(AiWorld, WalkerTurnsAtTheBrinkAndNeverWalksOffALedge) {
    floorOnly(300, 500);
    TAiMove move(callback, terrain.get(), teams, collisions);
    place(me(), 400);
    move.start();
    bool turnedAtRight = false;
    bool turnedAtLeft = false;
    TVector foot;
    for (int frame = 0; frame < 200; ++frame) {
        move.step();
        ASSERT_FALSE(collisions.isInAir(me(), foot)) << "walked off at x = " << me().position.x;
        turnedAtRight =
            turnedAtRight || (me().position.x > 480 && move.direction == TDirection::DirectionLeft);
        turnedAtLeft =
            turnedAtLeft || (me().position.x < 320 && move.direction == TDirection::DirectionRight);
    }
    EXPECT_TRUE(turnedAtRight);
    EXPECT_TRUE(turnedAtLeft);
}

TEST_F(AiWorld, WalkerTurnedAtABrinkWalksBackInsteadOfDitheringThere) {
    floorOnly(300, 500);
    TAiMove move(callback, terrain.get(), teams, collisions);
    place(me(), 310);
    move.start();
    move.direction = TDirection::DirectionLeft;
    me().direction = TDirection::DirectionLeft;
    for (int frame = 0; frame < 10; ++frame) {
        move.step();
    }
    EXPECT_EQ(move.direction, TDirection::DirectionRight);
    EXPECT_GT(me().position.x, 320);
}

TEST_F(AiWorld, WalkerTurnsOnTheFirstFrameItDidNotMove) {
    TAiMove move(callback, terrain.get(), teams, collisions);
    place(me(), 400);
    move.start();
    move.direction = TDirection::DirectionRight;
    me().direction = TDirection::DirectionRight;
    callback.blocked = true;
    move.step(); // first decision: nothing to compare with yet
    EXPECT_EQ(move.direction, TDirection::DirectionRight);
    move.step();
    EXPECT_EQ(move.direction, TDirection::DirectionLeft);
    EXPECT_EQ(move.blockedPosition, me().position);
}

TEST_F(AiWorld, WalkerTurnsAtTheMapSideAndTakesNoDecisionInTheAir) {
    TAiMove move(callback, terrain.get(), teams, collisions);
    place(me(), 3);
    move.start();
    move.direction = TDirection::DirectionLeft;
    move.step();
    EXPECT_EQ(move.direction, TDirection::DirectionRight);

    me().position.y = 100; // in the air
    move.direction = TDirection::DirectionLeft;
    callback.commands.clear();
    move.step();
    EXPECT_EQ(move.direction, TDirection::DirectionLeft);
    EXPECT_EQ(callback.commands, (std::vector<std::string>{"left"}));
}

TEST_F(AiWorld, TurnStartsWithTheBazookaAndTheNextTumbok) {
    TAi ai(callback, terrain.get(), teams, timer, collisions);
    const int before = teams.currentTeam()->current;
    ai.startTurn();
    EXPECT_EQ(callback.commands.at(0), "select 1");
    EXPECT_EQ(callback.commands.at(1), "changeTumbok");
    EXPECT_NE(teams.currentTeam()->current, before);
    EXPECT_EQ(ai.move.movement, TMovement::Walking);
}

TEST_F(AiWorld, WalksFirstThenAimsAndGivesUpAfterTenSecondsForGood) {
    TAi ai(callback, terrain.get(), teams, timer, collisions);
    place(me(), 100);
    place(enemy(0), 300);
    ai.startTurn();
    timer.restart();
    EXPECT_TRUE(ai.step());
    EXPECT_TRUE(callback.shots.empty()); // walking only in the first 3 s
    clock.advance(3001);
    EXPECT_TRUE(ai.step());
    EXPECT_EQ(callback.shots.size(), 1u);

    enemy(0).health = 0;
    clock.advance(7000);
    EXPECT_FALSE(ai.step());
    const std::size_t commandsWhenGivingUp = callback.commands.size();
    EXPECT_FALSE(ai.step());
    EXPECT_EQ(callback.commands.size(), commandsWhenGivingUp); // idle for the rest of the turn
    ai.startTurn();
    timer.restart();
    EXPECT_TRUE(ai.step());
}
