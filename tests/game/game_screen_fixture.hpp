// A match on the game screen for the tests: a flat terrain made in the test, a clock that advances one
// frame at a time, and frames fed with real SDL events.
#pragma once

#include "game/u_game_display.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_particles.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/headless_match.hpp"
#include "support/physics_peer.hpp"
#include "support/screen_fixture.hpp"
#include "support/terrain_builder.hpp"

#include <memory>
#include <vector>

namespace game_test {

inline constexpr int groundTop = 900;

// Sky above, earth from groundTop down: every tumbok stands on the same flat ground.
inline SurfacePtr flatGround() {
    return flatTerrain(1600, 1200, groundTop, {138, 90, 52, 255});
}

class GameScreenTest : public screen_test::ScreenTest {
protected:
    GameScreenTest() {
        context.preferences.activeMusic = false;
        context.preferences.activeSounds = false;
        context.preferences.scrolling = false;
    }

    void build(int nbTeams = 2, int nbTumboks = 3, int nbAi = 0) {
        context.preferences.nbTeams = nbTeams;
        context.preferences.nbTumboks = nbTumboks;
        context.preferences.nbAi = nbAi;
        context.preferences.nbExplosifs = 0;
        seedRandom(7);
        const TDiagnosticCapture quiet; // the test data has no pictures
        screen = std::make_unique<TGameDisplay>(display, context, font, noise, flatGround(), clock);
        screen->physics->keepSeededSequence(); // the seeded sequence holds for the whole match
    }

    // One frame with these events; false once the screen leaves.
    bool frame(std::vector<SDL_Event> events = {}) {
        clock.nextFrame();
        return screen->frame(events);
    }

    // Frames without input until the condition holds; false if it never did within the bound.
    template <class TCondition> bool framesUntil(TCondition condition, int bound = 3000) {
        for (int i = 0; i < bound; ++i) {
            if (condition()) {
                return true;
            }
            if (!frame()) {
                return condition();
            }
        }
        return condition();
    }

    TGameStateType state() const { return screen->states.current(); }
    int teamOnTurn() const { return screen->physics->view().teams.current.team; }
    TTumbok& activeTumbok() { return *peer(*screen->physics).teams().currentTumbok(); }

    TFrameClock clock;
    std::unique_ptr<TGameDisplay> screen;
};

} // namespace game_test
