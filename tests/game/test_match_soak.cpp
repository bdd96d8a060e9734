// Whole matches between computer players, on every terrain the game ships and on generated hills, with
// teams of 1 to 300 tumboks. After every frame: positions stay within reason, health within 0 .. 100, every
// turn ends within its bound and the computer gives up at most once per turn; every match ends, by itself
// or, at the frame bound, abandoned the way the game screen abandons one. MORVATEK_SOAK_LONG=1 plays longer
// matches and more of them.
#include "app/u_context.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/generated_terrain.hpp"
#include "support/headless_match.hpp"
#include "support/physics_peer.hpp"
#include "support/temp_dir.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr std::array teamSizes{1, 2, 3, 4, 6, 10, 20, 50, 100, 300};
constexpr const char* generatedHills = "generated hills";

bool longSoak() {
    const char* value = std::getenv("MORVATEK_SOAK_LONG");
    return value != nullptr && std::string(value) == "1";
}

// The AI abandons at 10 s; a shot then flies and the world settles, each within its own bound.
constexpr int turnFrameBound = 40000 / 50 + 2 * TPhysics::restBoundFrames + 200;

class TAbandonCounter final : public TMessageSink {
public:
    void add(const std::string& text) override {
        if (text == "The AI abandons !") {
            ++abandons;
        }
    }
    int abandons = 0;
};

struct TSoakOutcome {
    bool endedByItself = false;
    int turns = 0;
    int frames = 0;
};

class MatchSoak : public testing::TestWithParam<std::string> {
protected:
    MatchSoak() { preferences().activeSounds = false; }

    TPreferences& preferences() { return context.preferences; }

    // A fresh copy of the terrain for each match (explosions carve it); the picture is decoded once.
    SurfacePtr terrain() {
        if (!original_) {
            original_ = GetParam() == generatedHills
                            ? generateHillsTerrain(1600, 1200)
                            : loadMapImage(GetParam(), TImageConversion::ConversionAlpha);
        }
        return rawCopy(original_.get());
    }

    // Plays one match, checking every frame; the frame bound grows with the number of bodies.
    void play(int nbTeams, int nbTumboks, int frameBound, TSoakOutcome& outcome) {
        TFrameClock clock;
        TAbandonCounter messages;
        const TDiagnosticCapture quiet; // placement reports tumboks that found no room
        TPhysics physics(terrain(), noise, messages, context, nbTeams, nbTumboks, nbTeams, clock);
        physics.keepSeededSequence();
        const double width = physics.terrainSurface()->w;
        const double height = physics.terrainSurface()->h;
        int turnStart = 0;
        int abandonsAtTurnStart = 0;
        for (int frame = 1; frame <= frameBound; ++frame) {
            clock.nextFrame();
            physics.gameStateStack().updateTimer();
            if (physics.takeNewTurn()) {
                ++outcome.turns;
                turnStart = frame;
                abandonsAtTurnStart = messages.abandons;
            }
            const bool goesOn = physics.step();
            outcome.frames = frame;
            for (const TTeam& team : physics.view().teams.teams) {
                for (const TTumbok& t : team.tumboks) {
                    ASSERT_TRUE(std::isfinite(t.position.x) && std::isfinite(t.position.y)) << frame;
                    if (!t.out) {
                        ASSERT_LT(std::abs(t.position.x), 10 * width)
                            << "team " << t.team << " frame " << frame;
                        ASSERT_LT(std::abs(t.position.y), 10 * height)
                            << "team " << t.team << " frame " << frame;
                    }
                    ASSERT_GE(t.health, 0);
                    ASSERT_LE(t.health, 100);
                }
            }
            ASSERT_LE(messages.abandons - abandonsAtTurnStart, 1) << "the computer gives up once per turn";
            ASSERT_LT(frame - turnStart, turnFrameBound) << "turn " << outcome.turns << " never ends";
            if (!goesOn) {
                outcome.endedByItself = true;
                EXPECT_LT(physics.view().teams.teamsWithHealth(), 2);
                return;
            }
        }
    }

    SurfacePtr original_;
    TTempDir dir;
    TContext context{(dir / "config.txt").string()};
    TNoise noise{context.preferences};
};

TEST_P(MatchSoak, ComputerMatchesStayInBoundsAndEnd) {
    const int matches = longSoak() ? 120 : 34;
    int endedByThemselves = 0;
    int smallMatches = 0;
    for (int match = 0; match < matches; ++match) {
        const int nbTumboks = teamSizes[static_cast<std::size_t>(match) % teamSizes.size()];
        const int nbTeams = 2 + match % 3;
        preferences().nbExplosifs = (match * 7) % 21;
        seedRandom(static_cast<std::uint32_t>(1000 + match));
        // Few frames for crowds: their frames are the slow ones.
        const int bodies = nbTeams * nbTumboks;
        const int frameBound = (longSoak() ? 8 : 1) * (bodies <= 12 ? 1600 : bodies <= 120 ? 600 : 200);
        TSoakOutcome outcome;
        play(nbTeams, nbTumboks, frameBound, outcome);
        if (HasFatalFailure()) {
            FAIL() << "match " << match << ": " << nbTeams << " x " << nbTumboks;
        }
        EXPECT_GE(outcome.turns, 1);
        if (bodies <= 12) {
            ++smallMatches;
        }
        if (outcome.endedByItself) {
            ++endedByThemselves;
        }
    }
    std::cout << GetParam() << ": " << endedByThemselves << " of " << matches
              << " matches ended by themselves (" << smallMatches << " small)" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(EveryTerrain, MatchSoak,
                         testing::Values(std::string(generatedHills), "fore_basic.png", "fore_peaks.png",
                                         "fore_mesas.png", "fore_islands.png", "fore_caves.png"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param) {
                                 if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
                                     name += c;
                                 }
                             }
                             return name;
                         });

} // namespace
