#include "game/u_esc_menu.hpp"
#include "game/u_key_tracker.hpp"
#include "game_screen_fixture.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "render/u_info_bar.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_diagnostics.hpp"
#include "support/physics_peer.hpp"
#include "widgets/u_widgets_basic_menu.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <gtest/gtest.h>

using namespace game_test;
using namespace screen_test;

namespace {

int keyRepeatDelay() {
    int delay = 0;
    int interval = 0;
    SDL_GetKeyRepeat(&delay, &interval);
    return delay;
}

} // namespace

TEST_F(GameScreenTest, AShotFromEnterToTheNextTeamsTurn) {
    build();
    ASSERT_TRUE(frame()); // the first turn is noticed: its gauge and weapon are shown
    EXPECT_EQ(screen->mapDisplay->tumbokDisplay->weapon, TWeapon::WeaponBazooka);

    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    EXPECT_EQ(state(), TGameStateType::StateLaunch);
    EXPECT_EQ(screen->powerBar->value, 50);
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)})); // a key repeat
    EXPECT_EQ(screen->powerBar->value, 103);
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN)}));
    EXPECT_TRUE(state() == TGameStateType::StateMotion || state() == TGameStateType::StateAfterMotion);
    EXPECT_EQ(screen->powerBar->mark, 103);
    EXPECT_EQ(screen->physics->view().teams.teamAt(0)->power, 103);

    ASSERT_TRUE(framesUntil([&] { return teamOnTurn() == 1; }));
    ASSERT_TRUE(frame());
    EXPECT_EQ(state(), TGameStateType::StateNormal);
    EXPECT_EQ(screen->powerBar->value, 0) << "the new team's own last power";

    // Team 1 passes its turn; team 0's gauge comes back at its last shot, marked.
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    ASSERT_TRUE(framesUntil([&] { return teamOnTurn() == 0; }));
    ASSERT_TRUE(frame());
    EXPECT_EQ(screen->powerBar->value, 103);
    EXPECT_EQ(screen->powerBar->mark, 103);
}

TEST_F(GameScreenTest, TheGaugeGrowsEverFasterAndFiresAtItsCap) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    std::vector<int> values{screen->powerBar->value};
    for (int repeat = 0; repeat < 100 && state() == TGameStateType::StateLaunch; ++repeat) {
        ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
        values.push_back(screen->powerBar->value);
    }
    ASSERT_GE(values.size(), 4u);
    EXPECT_EQ(std::vector(values.begin(), values.begin() + 4), (std::vector{50, 103, 159, 219}));
    EXPECT_EQ(values.back(), 2500) << "capped";
    EXPECT_EQ(state(), TGameStateType::StateMotion) << "the shot left with Enter still held";
    EXPECT_EQ(screen->powerBar->mark, -1);
    EXPECT_EQ(screen->physics->view().teams.teamAt(0)->power, 2500);

    // Held on through the flight and into the next turn, Enter neither fires again nor starts a charge.
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN)}));
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    for (int i = 0; i < 3000 && teamOnTurn() == 0; ++i) {
        ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    }
    ASSERT_EQ(teamOnTurn(), 1);
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    EXPECT_EQ(state(), TGameStateType::StateNormal);
}

TEST_F(GameScreenTest, TheWeaponChosenInTheEscapeMenuIsFiredNext) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_ESCAPE)}));
    EXPECT_EQ(state(), TGameStateType::StateEscMenu);
    EXPECT_EQ(screen->escMenu->menu->selectedValue(), static_cast<int>(TWeapon::WeaponBazooka));
    EXPECT_EQ(keyRepeatDelay(), 500) << "menus repeat keys slowly";

    // One press of Down scrolls once, however many frames follow.
    ASSERT_TRUE(frame({keyDown(SDLK_DOWN)}));
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(frame());
    }
    EXPECT_EQ(screen->escMenu->menu->selectedValue(), static_cast<int>(TWeapon::WeaponGrenade));
    // A tap of Return within one frame is not lost.
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    EXPECT_EQ(state(), TGameStateType::StateNormal);
    EXPECT_EQ(screen->mapDisplay->tumbokDisplay->weapon, TWeapon::WeaponGrenade);
    EXPECT_EQ(keyRepeatDelay(), 1);

    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN)}));
    ASSERT_EQ(state(), TGameStateType::StateMotion);
    ASSERT_TRUE(screen->physics->view().projectiles.inFlight());
    EXPECT_EQ(screen->physics->view().projectiles.projectile->weapon, TWeapon::WeaponGrenade);
    EXPECT_EQ(screen->physics->view().teams.teamAt(0)->weapon, TWeapon::WeaponGrenade);
}

TEST_F(GameScreenTest, EscapeWhileChargingDropsTheCharge) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyDown(SDLK_ESCAPE)}));
    EXPECT_EQ(state(), TGameStateType::StateEscMenu);
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN), keyUp(SDLK_ESCAPE)}));
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN)})); // chooses the weapon and closes the menu
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN)}));
    EXPECT_EQ(state(), TGameStateType::StateNormal) << "no charge was waiting under the menu";
    EXPECT_FALSE(screen->physics->view().projectiles.inFlight());
}

TEST_F(GameScreenTest, EscapeTwiceAbandonsButAHeldEscapeDoesNot) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_ESCAPE), keyDown(SDLK_ESCAPE)})); // a slow key repeat
    EXPECT_EQ(state(), TGameStateType::StateEscMenu);
    EXPECT_FALSE(frame({keyUp(SDLK_ESCAPE), keyDown(SDLK_ESCAPE), keyDown(SDLK_RETURN)}));
    EXPECT_EQ(screen->nextScreen(), TScreenType::ScreenStatistics);
    EXPECT_TRUE(screen->finished);
    EXPECT_EQ(state(), TGameStateType::StateNormal);
}

TEST_F(GameScreenTest, OptionsLeaveForTheSettingsAndTheMenuComesBack) {
    build();
    ASSERT_TRUE(frame({keyDown(SDLK_ESCAPE)}));
    const SDL_Rect button = screen->escMenu->optionsButton->rect;
    EXPECT_FALSE(frame({mouseDown(button.x + 3, button.y + 3)}));
    EXPECT_EQ(screen->nextScreen(), TScreenType::ScreenPanelSettings);
    EXPECT_FALSE(screen->finished);

    // Resumed, the match is still in its menu: the next Esc abandons it.
    pushEvents({keyUp(SDLK_ESCAPE), keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(screen->run(), TScreenType::ScreenStatistics);
    EXPECT_TRUE(screen->finished);
}

TEST_F(GameScreenTest, ACloseRequestWinsOverEverythingLaterInTheFrame) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame(std::vector<SDL_Event>(10, keyDown(SDLK_UP)))); // high, for a long flight
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(frame({keyDown(SDLK_RETURN)}));
    }
    ASSERT_TRUE(frame({keyUp(SDLK_RETURN)}));
    ASSERT_EQ(state(), TGameStateType::StateMotion);
    EXPECT_FALSE(frame({quitRequest(), keyDown(SDLK_ESCAPE), keyUp(SDLK_ESCAPE), keyDown(SDLK_ESCAPE)}));
    EXPECT_EQ(screen->nextScreen(), TScreenType::ScreenQuit);
    EXPECT_FALSE(screen->finished);
    screen.reset(); // closed mid-flight: the match is taken apart with a projectile still flying
}

TEST_F(GameScreenTest, KeysThatActOnceIgnoreKeyRepeats) {
    build(2, 3);
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_i), keyDown(SDLK_i), keyDown(SDLK_i)}));
    EXPECT_FALSE(screen->infoBar->expanded);
    ASSERT_TRUE(frame({keyUp(SDLK_i), keyDown(SDLK_i)}));
    EXPECT_TRUE(screen->infoBar->expanded);

    ASSERT_TRUE(frame({keyDown(SDLK_TAB), keyDown(SDLK_TAB), keyDown(SDLK_TAB)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, 1);
    ASSERT_TRUE(frame({keyUp(SDLK_TAB), keyDown(SDLK_TAB)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, 2);

    const TDiagnosticCapture captured;
    ASSERT_TRUE(frame({keyDown(SDLK_p), keyDown(SDLK_p)}));
    const std::string listing = captured.text();
    EXPECT_EQ(listing, "TStack.print --->\nStateNormal\n<---\n");
}

TEST_F(GameScreenTest, ArrowsWalkAndAimButNotWithControlHeld) {
    build();
    ASSERT_TRUE(frame());
    TTumbok& tumbok = activeTumbok();
    const double aim = screen->mapDisplay->tumbokDisplay->aimAngle;
    ASSERT_TRUE(frame({keyDown(SDLK_UP), keyDown(SDLK_UP)}));
    EXPECT_DOUBLE_EQ(screen->mapDisplay->tumbokDisplay->aimAngle, aim + 12);
    ASSERT_TRUE(frame({keyDown(SDLK_DOWN)}));
    EXPECT_DOUBLE_EQ(screen->mapDisplay->tumbokDisplay->aimAngle, aim + 6);

    const double x = tumbok.position.x;
    const TDirection facing = tumbok.direction;
    const SDL_Rect view = screen->mapDisplay->moves->view;
    {
        const ScopedControlKey control;
        ASSERT_TRUE(frame({keyDown(SDLK_LEFT), keyDown(SDLK_RIGHT), keyDown(SDLK_UP), keyDown(SDLK_SPACE)}));
    }
    EXPECT_EQ(tumbok.position.x, x);
    EXPECT_EQ(tumbok.direction, facing);
    EXPECT_DOUBLE_EQ(screen->mapDisplay->tumbokDisplay->aimAngle, aim + 6);
    EXPECT_TRUE(screen->mapDisplay->freeView);
    EXPECT_TRUE(view.x != screen->mapDisplay->moves->view.x || view.y != screen->mapDisplay->moves->view.y);

    // Turn to face right, then step right.
    ASSERT_TRUE(frame({keyDown(SDLK_RIGHT)}));
    ASSERT_TRUE(frame({keyDown(SDLK_RIGHT)}));
    EXPECT_EQ(tumbok.direction, TDirection::DirectionRight);
    EXPECT_GT(tumbok.position.x, x);
}

TEST_F(GameScreenTest, AClickPicksATumbokOnlyOnAHumanTurnBeforeItMoved) {
    build(2, 3, 1);
    ASSERT_TRUE(frame());
    TMoves& moves = *screen->mapDisplay->moves;
    const auto clickAt = [&](const TTumbok& t) {
        return mouseDown(static_cast<int>(t.position.x) - moves.view.x + 8,
                         static_cast<int>(t.position.y) - moves.view.y + 20);
    };
    const auto clickOn = [&](int team, int number) {
        const TTumbok& t = screen->physics->view().teams.teams.at(team).tumboks.at(number);
        moves.centerOn(false, t.position.x, t.position.y);
        return clickAt(t);
    };
    ASSERT_TRUE(frame({clickOn(0, 2)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, 2);

    // A click that falls on the information bar picks nothing.
    const SDL_Rect bar = screen->infoBar->expandedRect;
    const TTumbok& other = screen->physics->view().teams.teams[0].tumboks[1];
    moves.setView(false, other.position.x - (bar.x + 300), other.position.y - (bar.y + 50));
    ASSERT_TRUE(frame({clickAt(other)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, 2);

    // Once the tumbok has walked the team keeps it.
    ASSERT_TRUE(frame({keyDown(SDLK_LEFT)}));
    ASSERT_TRUE(frame({keyDown(SDLK_LEFT)}));
    ASSERT_TRUE(frame({clickOn(0, 0)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, 2);

    // The computer's turn: keys and clicks of this machine do nothing to it.
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    ASSERT_TRUE(framesUntil([&] { return teamOnTurn() == 1; }));
    ASSERT_TRUE(frame());
    EXPECT_FALSE(screen->isLocalTurn());
    const int computerTumbok = screen->physics->view().teams.current.tumbok;
    ASSERT_TRUE(frame({keyDown(SDLK_TAB), clickOn(1, (computerTumbok + 1) % 3), keyDown(SDLK_RETURN)}));
    EXPECT_EQ(screen->physics->view().teams.current.tumbok, computerTumbok);
    EXPECT_NE(state(), TGameStateType::StateLaunch);

    // Esc still works in the computer's turn and freezes it.
    ASSERT_TRUE(frame({keyDown(SDLK_ESCAPE)}));
    const TVector frozen = activeTumbok().position;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(frame());
    }
    EXPECT_EQ(activeTumbok().position, frozen);
    ASSERT_TRUE(frame({keyUp(SDLK_ESCAPE), keyDown(SDLK_RETURN)}));
    EXPECT_EQ(teamOnTurn(), 1);
    // The computer finishes its turn by itself.
    EXPECT_TRUE(framesUntil([&] { return teamOnTurn() == 0; }));
}

TEST_F(GameScreenTest, ARefusedShotGivesTheTurnBack) {
    build();
    ASSERT_TRUE(frame());
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    // The frame in which the next turn starts: its first events come before the screen has noticed it.
    ASSERT_TRUE(framesUntil([&] { return screen->physics->turn().unnoticed() && teamOnTurn() == 1; }));
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    EXPECT_EQ(state(), TGameStateType::StateNormal) << "not left waiting in the charge";
    EXPECT_FALSE(screen->physics->view().projectiles.inFlight());
    ASSERT_TRUE(frame({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)}));
    EXPECT_TRUE(state() == TGameStateType::StateMotion || state() == TGameStateType::StateAfterMotion);
}

TEST_F(GameScreenTest, KeysAndClicksInEveryStateNeverBreakTheTurn) {
    build(2, 6, 1);
    const std::vector<SDL_Event> everything{
        keyDown(SDLK_LEFT),  keyDown(SDLK_RIGHT), keyDown(SDLK_UP),    keyDown(SDLK_DOWN),
        keyDown(SDLK_SPACE), keyDown(SDLK_TAB),   keyDown(SDLK_c),     keyDown(SDLK_i),
        keyUp(SDLK_i),       mouseDown(400, 300), mouseDown(320, 530), mouseDown(400, 300, SDL_BUTTON_RIGHT),
        keyUp(SDLK_LEFT),    keyUp(SDLK_TAB)};
    int turns = 0;
    for (int i = 0; i < 4000 && turns < 6; ++i) {
        std::vector<SDL_Event> events = everything;
        if (i % 7 == 0) {
            events.push_back(keyDown(SDLK_RETURN));
        }
        if (i % 7 == 3) {
            events.push_back(keyUp(SDLK_RETURN));
        }
        if (!frame(events)) {
            ASSERT_EQ(screen->nextScreen(), TScreenType::ScreenStatistics) << "frame " << i;
            ASSERT_LT(screen->physics->view().teams.teamsWithHealth(), 2)
                << "only the end of the match leaves";
            return;
        }
        if (screen->physics->turn().unnoticed()) {
            ++turns;
        }
        const TGameStateType s = state();
        ASSERT_TRUE(s == TGameStateType::StateNormal || s == TGameStateType::StateLaunch ||
                    s == TGameStateType::StateMotion || s == TGameStateType::StateAfterMotion);
        if (!screen->isLocalTurn()) {
            ASSERT_NE(s, TGameStateType::StateLaunch) << "no charge on the computer's turn";
        }
    }
    EXPECT_GE(turns, 6) << "turns kept passing between the player and the computer";
}

TEST(KeyTracker, FreshPressesAreToldFromRepeats) {
    TKeyTracker keys;
    EXPECT_TRUE(keys.observe(keyDown(SDLK_TAB)));
    EXPECT_FALSE(keys.observe(keyDown(SDLK_TAB)));
    EXPECT_TRUE(keys.held(SDLK_TAB));
    EXPECT_FALSE(keys.observe(keyUp(SDLK_TAB)));
    EXPECT_TRUE(keys.observe(keyDown(SDLK_TAB)));

    SDL_Event focusLost = eventOfType(SDL_ACTIVEEVENT);
    focusLost.active.gain = 0;
    focusLost.active.state = SDL_APPINPUTFOCUS;
    keys.observe(focusLost);
    EXPECT_FALSE(keys.held(SDLK_TAB)) << "a release lost with the focus does not block the key";
    EXPECT_TRUE(keys.observe(keyDown(SDLK_TAB)));
}

TEST_F(GameScreenTest, AMatchWithoutTeamsEndsAtOnceWithoutACrash) {
    build(0, 0, 0);
    EXPECT_FALSE(frame({keyDown(SDLK_RETURN), keyDown(SDLK_TAB), mouseDown(400, 300)}));
    EXPECT_EQ(screen->nextScreen(), TScreenType::ScreenStatistics);
}
