#include "physics/u_physics.hpp"

#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "physics/u_physics_placement.hpp"
#include "support/physics_fixture.hpp"
#include "support/physics_peer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int groundY = 400;
constexpr int turnMs = 40000;

class DriverTest : public PhysicsFixture {
protected:
    void buildFlat(int nbTeams, int nbTumboks, int nbAi = 0) {
        build(flatTerrain(1600, 600, groundY), nbTeams, nbTumboks, 0, nbAi);
        parkOthersOnGround(groundY, 1000);
        standOn(0, 0, 100, groundY);
        peer(*physics).forces().wind = vector(0, 0);
        settle();
    }

    void settle() {
        for (int frame = 0; frame < 5; ++frame) {
            physics->step();
        }
        physics->takeNewTurn();
    }

    bool turnIs(int team) const { return physics->view().teams.current.team == team; }
    void timeRunsOut() { clock.advance(turnMs); }
};

} // namespace

TEST_F(DriverTest, TurnPassesOnlyOnceEverythingHasComeToRest) {
    buildFlat(3, 1);
    standOn(1, 0, 160, groundY); // close to the impact: blown away, or killed and falling
    const TVector windBefore = peer(*physics).forces().wind;
    ASSERT_TRUE(physics->fire(500, TWeapon::WeaponBazooka, -80));
    EXPECT_EQ(state(), TGameStateType::StateMotion);
    clock.advance(5000);
    bool sawAfterMotion = false;
    const bool passed = stepUntil(
        [&] {
            sawAfterMotion = sawAfterMotion || state() == TGameStateType::StateAfterMotion;
            return !turnIs(0);
        },
        2000);
    ASSERT_TRUE(passed);
    EXPECT_TRUE(sawAfterMotion);
    EXPECT_TRUE(turnIs(1) || turnIs(2));
    EXPECT_FALSE(physics->view().projectiles.inFlight());
    EXPECT_TRUE(physics->view().explosions.allFinished());
    EXPECT_TRUE(physics->deadAtRest());
    EXPECT_EQ(state(), TGameStateType::StateNormal);
    EXPECT_EQ(physics->view().timer.remaining(), turnMs); // restarted at the turn's start
    EXPECT_NE(peer(*physics).forces().wind, windBefore);
    EXPECT_FALSE(physics->turn().waitingForRest());
    EXPECT_TRUE(physics->takeNewTurn());
    EXPECT_FALSE(physics->takeNewTurn());
}

TEST_F(DriverTest, FireIsRefusedAndSaysSoUntilTheNewTurnIsNoticedAndOncePending) {
    build(flatTerrain(1600, 600, groundY), 2, 1);
    EXPECT_FALSE(physics->fire(500, TWeapon::WeaponBow, 45)); // the new turn was not noticed yet
    EXPECT_FALSE(physics->view().projectiles.inFlight());
    EXPECT_TRUE(physics->takeNewTurn());
    EXPECT_TRUE(physics->fire(500, TWeapon::WeaponBow, 45));
    EXPECT_TRUE(physics->turn().waitingForRest());
    EXPECT_FALSE(physics->fire(500, TWeapon::WeaponBow, 45)); // a second shot in the same turn
}

TEST_F(DriverTest, DeadActiveTumbokCannotWalkJumpOrFire) {
    buildFlat(2, 2);
    TTumbok& active = tumbok(0, 0);
    active.health = 0;
    const TVector place = active.position;
    physics->walk(TDirection::DirectionRight);
    physics->walk(TDirection::DirectionLeft);
    physics->jump();
    EXPECT_EQ(active.position, place);
    EXPECT_EQ(active.speed, vector(0, 0));
    EXPECT_EQ(active.direction, TDirection::DirectionLeft);
    EXPECT_EQ(active.frame, 0);
    EXPECT_FALSE(physics->fire(800, TWeapon::WeaponBazooka, 30));
    EXPECT_FALSE(physics->view().projectiles.inFlight());
}

TEST_F(DriverTest, WalkingTurnsStepsAndAnimatesButNeverClimbsASteepSlope) {
    buildFlat(2, 1);
    // A wall ten pixels high to the right of x = 300.
    fillTerrain(terrain(), 300, groundY - 10, 50, 10);
    TTumbok& t = tumbok(0, 0);
    physics->walk(TDirection::DirectionRight); // turns round only
    EXPECT_EQ(t.direction, TDirection::DirectionRight);
    EXPECT_DOUBLE_EQ(t.position.x, 100);
    EXPECT_TRUE(physics->turn().mayChangeTumbok());
    physics->walk(TDirection::DirectionRight);
    EXPECT_NEAR(t.position.x, 105, 1e-9);
    EXPECT_EQ(t.frame, 1);
    EXPECT_FALSE(physics->turn().mayChangeTumbok());

    standOn(0, 0, 300 - 7, groundY);
    settle();
    const TVector before = t.position;
    const int frame = t.frame;
    physics->walk(TDirection::DirectionRight);
    EXPECT_EQ(t.position, before);
    EXPECT_EQ(t.frame, frame);

    physics->jump();
    EXPECT_EQ(t.speed, vector(100, -300));
    physics->step();
    const TVector flying = t.speed;
    physics->jump(); // in the air: nothing
    EXPECT_EQ(t.speed, flying);
}

TEST_F(DriverTest, BeatenTeamIsSkipped) {
    buildFlat(3, 1);
    tumbok(1, 0).health = 0;
    tumbok(1, 0).out = true;
    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return !turnIs(0); }, 5));
    EXPECT_TRUE(turnIs(2));
    physics->takeNewTurn();
    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return !turnIs(2); }, 5));
    EXPECT_TRUE(turnIs(0));
}

TEST_F(DriverTest, KillsOfAShotCountForTheShootersTeam) {
    buildFlat(3, 2);
    // Team 1 plays; its shot at the ground between one of its own and one of team 2.
    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return turnIs(1); }, 5));
    physics->takeNewTurn();
    standOn(0, 0, 1500, groundY);
    standOn(1, 0, 100, groundY);
    standOn(2, 0, 115, groundY);
    standOn(1, 1, 130, groundY);
    settle();
    ASSERT_TRUE(turnIs(1));
    ASSERT_EQ(physics->view().teams.current.tumbok, 0);
    ASSERT_TRUE(physics->fire(300, TWeapon::WeaponBazooka, -90));
    ASSERT_TRUE(stepUntil([&] { return !turnIs(1); }, 2000));
    EXPECT_EQ(tumbok(2, 0).health, 0);
    EXPECT_EQ(tumbok(1, 1).health, 0);
    EXPECT_EQ(stats(1).enemiesKilled, 1);
    EXPECT_EQ(stats(1).suicides, 2); // the shooter too
    EXPECT_EQ(stats(0).kills, 0);
    EXPECT_EQ(stats(2).kills, 0);
}

TEST_F(DriverTest, MatchEndsAtTheEndOfTheShotThatBeatsTheLastEnemy) {
    buildFlat(2, 1);
    standOn(1, 0, 100 + 35, groundY); // where the arrow is at the end of its third frame
    tumbok(1, 0).health = 20;
    settle();
    ASSERT_TRUE(physics->fire(200, TWeapon::WeaponBow, 0));
    int frames = 0;
    while (physics->step() && frames < 2000) {
        ++frames;
        clock.advance(50);
        EXPECT_FALSE(physics->turn().unnoticed()); // the match must not go on to another turn
        // Not before every blast has ended.
        ASSERT_TRUE(tumbok(1, 0).health > 0 || physics->turn().waitingForRest() ||
                    !peer(*physics).explosions().allFinished());
    }
    EXPECT_LT(frames, 2000);
    EXPECT_EQ(physics->turn().phase(), TTurnPhase::TurnOver);
    EXPECT_FALSE(physics->fire(200, TWeapon::WeaponBow, 0));
    EXPECT_EQ(tumbok(1, 0).health, 0);
    EXPECT_GT(tumbok(0, 0).health, 0);
    EXPECT_TRUE(physics->view().explosions.allFinished());
    EXPECT_EQ(stats(0).enemiesKilled, 1);
    EXPECT_EQ(state(), TGameStateType::StateNone);
}

TEST_F(DriverTest, DeadTumbokHangingOnAThinLedgeComesToRestAndTheTurnPasses) {
    buildFlat(2, 2);
    // A one-pixel ledge that catches the dead tumbok's side, with open air under it.
    fillTerrain(terrain(), 0, 200, 1001, 1);
    TTumbok& hanging = tumbok(1, 1);
    hanging.position = vector(1000, 195);
    hanging.speed = vector(0, 0);
    hanging.health = 0;
    ASSERT_TRUE(stepUntil([&] { return hanging.out; }, 3)); // held still by the ledge: at rest at once
    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return !turnIs(0); }, 3));
    EXPECT_LT(hanging.position.y, 200); // it stayed on the ledge
    EXPECT_EQ(stamps.graves.size(), 1u);
}

TEST_F(DriverTest, TurnWaitsForALivingTumbokInFlightSoItsFatalLandingCountsForTheShooter) {
    buildFlat(2, 2);
    TTumbok& flyer = tumbok(1, 0);
    flyer.speed = vector(0, -1400);
    flyer.health = 10;
    ASSERT_TRUE(physics->fire(300, TWeapon::WeaponBow, -90)); // sticks into the ground at once
    ASSERT_TRUE(stepUntil([&] { return !turnIs(0); }, 500));
    EXPECT_EQ(flyer.health, 0); // landed at about 1400 px/s
    EXPECT_EQ(stats(0).enemiesKilled, 1);
    EXPECT_EQ(stats(1).suicides, 0);
}

TEST_F(DriverTest, EndOfTurnIsDecidedAfterEveryTumbokOfTheFrameWasStepped) {
    buildFlat(2, 2);
    // In one frame the active tumbok falls out of the map, and so does a tumbok of the next team that
    // was resting until then.
    TTumbok& active = tumbok(0, 0);
    active.position = vector(100, 599);
    active.speed = vector(0, 100);
    TTumbok& faller = tumbok(1, 0);
    faller.position = vector(1200, 599);
    faller.speed = vector(0, 0);
    ASSERT_TRUE(physics->step());
    EXPECT_TRUE(active.out);
    EXPECT_TRUE(faller.out);
    EXPECT_EQ(stats(0).suicides, 1);
    EXPECT_EQ(stats(0).enemiesKilled, 1); // still team 0's turn when the faller went
    EXPECT_EQ(stats(1).kills, 0);
    EXPECT_TRUE(turnIs(1)); // and then the turn passed, at the end of the frame
}

TEST_F(DriverTest, ComputerThatGivesUpSaysSoOncePerTurn) {
    buildFlat(2, 1, 1);
    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return turnIs(1); }, 5));
    physics->takeNewTurn();
    ASSERT_TRUE(physics->view().teams.teams[1].computer);
    // Team 0's tumbok is thrown up high: the turn cannot end until it is down again.
    tumbok(0, 0).speed = vector(0, -1000);
    clock.advance(10001);
    for (int frame = 0; frame < 20; ++frame) {
        physics->step();
    }
    EXPECT_TRUE(turnIs(1));
    EXPECT_EQ(std::count(messages.texts.begin(), messages.texts.end(), "The AI abandons !"), 1);
    ASSERT_TRUE(stepUntil([&] { return turnIs(0); }, 500));
}

TEST_F(DriverTest, MouseSelectionOnlyForAHumanTeamThatMayStillChange) {
    buildFlat(2, 3, 1);
    physics->selectTumbok(2);
    EXPECT_EQ(physics->view().teams.current.tumbok, 2);
    physics->changeTumbok();
    EXPECT_EQ(physics->view().teams.current.tumbok, 0);
    standOn(0, 0, 100, groundY);
    settle();
    physics->walk(TDirection::DirectionLeft);
    physics->walk(TDirection::DirectionLeft); // moved: the choice is made
    physics->selectTumbok(1);
    physics->changeTumbok();
    EXPECT_EQ(physics->view().teams.current.tumbok, 0);

    timeRunsOut();
    ASSERT_TRUE(stepUntil([&] { return turnIs(1); }, 5));
    const int computerChoice = physics->view().teams.current.tumbok;
    physics->selectTumbok((computerChoice + 1) % 3); // a click during the computer's turn
    EXPECT_EQ(physics->view().teams.current.tumbok, computerChoice);
}

namespace {

struct TPlacementCase {
    const char* name;
    int width;
    int height;
    // Solid rectangles: x, y, w, h.
    std::vector<SDL_Rect> solid;
    bool tumboksFit;
    bool boxesFit;
};

class PlacementTest : public PhysicsFixture, public testing::WithParamInterface<TPlacementCase> {};

SurfacePtr terrainOf(const TPlacementCase& c) {
    SurfacePtr terrain = makeTerrain(c.width, c.height);
    for (const SDL_Rect& r : c.solid) {
        fillTerrain(terrain.get(), r.x, r.y, r.w, r.h);
    }
    return terrain;
}

} // namespace

TEST_P(PlacementTest, PlacementAlwaysEndsPlacesWhatFitsAndReportsTheRest) {
    const TPlacementCase& c = GetParam();
    build(terrainOf(c), 4, 300, 100);
    // Clear of the terrain and standing on it.
    const auto restsOnGround = [&](const TObject& body) {
        TVector probe;
        return !peer(*physics).collisions().overlaps(body, probe) &&
               !peer(*physics).collisions().isInAir(body, probe);
    };
    int placed = 0;
    for (TTeam& team : peer(*physics).teams().teams) {
        for (TTumbok& t : team.tumboks) {
            if (t.out) {
                EXPECT_EQ(t.health, 0);
                continue;
            }
            ++placed;
            ASSERT_TRUE(restsOnGround(t));
        }
    }
    EXPECT_EQ(placed, c.tumboksFit ? 1200 : 0);
    EXPECT_EQ(peer(*physics).explosifs().count(), c.boxesFit ? 100 : 0);
    for (const auto& box : peer(*physics).explosifs().list) {
        ASSERT_TRUE(restsOnGround(*box));
    }
    EXPECT_EQ(placementOutput.find("Could not place 1200 of 1200 tumboks.") != std::string::npos,
              !c.tumboksFit);
    EXPECT_EQ(placementOutput.find("Could not place 100 of 100 boxes.") != std::string::npos, !c.boxesFit);
    EXPECT_EQ(stats(0).kills + stats(1).kills + stats(2).kills + stats(3).kills, 0);
    if (!c.tumboksFit) {
        physics->takeNewTurn();
        EXPECT_FALSE(physics->step()); // nobody can play: the match is over at once
    }
}

INSTANTIATE_TEST_SUITE_P(
    AnyTerrain, PlacementTest,
    testing::Values(TPlacementCase{"FullySolid", 1600, 1200, {{0, 0, 1600, 1200}}, false, false},
                    TPlacementCase{"Empty", 1600, 1200, {}, false, false},
                    TPlacementCase{"NoPicture", 0, 0, {}, false, false},
                    TPlacementCase{"TinyPicture", 10, 10, {{0, 5, 10, 5}}, false, false},
                    // A ledge eight pixels wide high up: one pixel under a body is enough to stand on.
                    TPlacementCase{"NarrowLedge", 1600, 1200, {{700, 300, 8, 4}}, true, true},
                    TPlacementCase{"Floor", 1600, 1200, {{0, 900, 1600, 300}}, true, true}),
    [](const testing::TestParamInfo<TPlacementCase>& info) { return std::string(info.param.name); });

TEST_F(PhysicsFixture, StandingSpotsAreExactlyWhereTheCollisionProbesAcceptABody) {
    seedRandom(21);
    // Wider than two words of the solid mask's 64-pixel rows, and not a whole number of them.
    constexpr int width = 150;
    SurfacePtr picture = makeTerrain(width, 90);
    for (int blob = 0; blob < 50; ++blob) {
        fillTerrain(picture.get(), Random(width), Random(90), 1 + Random(12), 1 + Random(4));
    }
    build(std::move(picture), 2, 1);
    struct TSize {
        int w, h, marginX, marginY;
    };
    for (const TSize size : {TSize{6, 40, 16, 50}, TSize{28, 28, 28, 28}, TSize{6, 40, 0, 0}}) {
        const TStandingSpots spots(terrain(), size.w, size.h, size.marginX, size.marginY);
        TObject body;
        body.width = size.w;
        body.height = size.h;
        int expected = 0;
        std::size_t next = 0;
        for (int y = 0; y < std::max(90 - size.marginY, 1); ++y) {
            for (int x = 0; x < std::max(width - size.marginX, 1); ++x) {
                body.position = vector(x, y);
                TVector probe;
                if (!peer(*physics).collisions().overlaps(body, probe) &&
                    !peer(*physics).collisions().isInAir(body, probe)) {
                    ++expected;
                    ASSERT_LT(next, spots.spots().size());
                    EXPECT_EQ(spots.spots()[next], (TPixelPoint{x, y}));
                    ++next;
                }
            }
        }
        EXPECT_EQ(spots.count(), expected);
        EXPECT_GT(expected, 0);
    }
}
