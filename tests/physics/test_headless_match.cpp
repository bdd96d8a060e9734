#include "physics/u_physics_headless.hpp"

#include "resources/u_diagnostics.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

THeadlessResult playQuietly(const THeadlessSettings& settings) {
    const TDiagnosticCapture quiet; // flag pictures may be missing from the test data
    return runHeadlessMatch(settings);
}

} // namespace

// Recorded from the simulation as it stands: any change to where things land or who wins shows up here.
TEST(HeadlessMatchTest, SeededMatchesOnGeneratedHillsEndExactlyAsRecorded) {
    const struct {
        std::uint32_t seed;
        int teams;
        int tumboks;
        int boxes;
        int computers;
        const char* outcome;
    } matches[] = {{1, 2, 3, 10, 0, "draw frames 429 turns 6"},
                   {2, 3, 2, 0, 0, "winner 2 frames 516 turns 16"},
                   {3, 4, 4, 25, 0, "winner 2 frames 517 turns 8"},
                   {4, 2, 1, 100, 0, "draw frames 262 turns 2"},
                   {5, 3, 2, 10, 1, "winner 2 frames 605 turns 8"}};
    for (const auto& match : matches) {
        THeadlessSettings settings;
        settings.seed = match.seed;
        settings.nbTeams = match.teams;
        settings.nbTumboks = match.tumboks;
        settings.nbExplosifs = match.boxes;
        settings.nbAi = match.computers;
        const THeadlessResult result = playQuietly(settings);
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(headlessSummary(result), match.outcome) << "seed " << match.seed;
        const std::string outcome = result.winner >= 0 ? "winner " + std::to_string(result.winner) : "draw";
        EXPECT_EQ(headlessSummary(result), outcome + " frames " + std::to_string(result.frames) + " turns " +
                                               std::to_string(result.turns));
    }
}

TEST(HeadlessMatchTest, SameSeedPlaysTheSameMatchAndTheBoundStopsALongOne) {
    THeadlessSettings settings;
    settings.seed = 77;
    settings.nbTeams = 3;
    settings.nbTumboks = 3;
    const THeadlessResult first = playQuietly(settings);
    const THeadlessResult second = playQuietly(settings);
    EXPECT_EQ(headlessSummary(first), headlessSummary(second));

    settings.maxFrames = first.frames - 1;
    const THeadlessResult cut = playQuietly(settings);
    EXPECT_FALSE(cut.finished);
    EXPECT_EQ(cut.frames, settings.maxFrames);
    EXPECT_EQ(headlessSummary(cut).rfind("unfinished frames ", 0), 0u);
}
