// A computer turn with no enemy in sight: the computer walks, gives up after 10 s with one message, and the
// turn passes, turn after turn.
#include "app/u_context.hpp"
#include "game_screen_fixture.hpp"
#include "model/u_data_teams.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "resources/u_diagnostics.hpp"
#include "sound/u_sound.hpp"
#include "support/headless_match.hpp"
#include "support/match_fixture.hpp"
#include "support/physics_peer.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The flat ground with a wall from the sky to the ground in the middle, which blocks every line of sight.
SurfacePtr walledTerrain() {
    SurfacePtr terrain = game_test::flatGround();
    fillTerrain(terrain.get(), 790, 0, 20, game_test::groundTop, {120, 120, 120, 255});
    return terrain;
}

} // namespace

TEST(ComputerTurn, TheAiAbandonsOncePerTurnAndTheTurnPassesAfterTenSeconds) {
    TTempDir dir;
    TContext context((dir / "config.txt").string());
    context.preferences.activeSounds = false;
    context.preferences.nbExplosifs = 0;
    TNoise noise(context.preferences);
    TRecordedMessages messages;
    TFrameClock clock;
    const TDiagnosticCapture quiet;
    TPhysics physics(walledTerrain(), noise, messages, context, 2, 1, 2, clock);
    physics.keepSeededSequence();
    // On either side of the wall: neither ever sees the other.
    peer(physics).teams().teams[0].tumboks[0].position = vector(100, game_test::groundTop - 50);
    peer(physics).teams().teams[1].tumboks[0].position = vector(1400, game_test::groundTop - 50);

    std::vector<int> turnFrames;
    std::vector<int> abandonsPerTurn;
    int turnStart = 0;
    for (int frame = 1; frame <= 2000 && turnFrames.size() < 4; ++frame) {
        clock.nextFrame();
        if (physics.takeNewTurn() && frame > 1) {
            turnFrames.push_back(frame - turnStart);
            abandonsPerTurn.push_back(static_cast<int>(messages.texts.size()));
            messages.texts.clear();
            turnStart = frame;
        }
        ASSERT_TRUE(physics.step());
    }
    ASSERT_EQ(turnFrames.size(), 4u);
    for (std::size_t turn = 0; turn < turnFrames.size(); ++turn) {
        EXPECT_EQ(abandonsPerTurn[turn], 1) << "turn " << turn;
        // 10 s of 50 ms frames, not the whole 40 s of the turn.
        EXPECT_GE(turnFrames[turn], 190) << "turn " << turn;
        EXPECT_LE(turnFrames[turn], 230) << "turn " << turn;
    }
    EXPECT_NE(physics.view().teams.teams[1].tumboks[0].position.x, 1400) << "the computer walked";
}
