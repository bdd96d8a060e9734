#include "physics/u_physics_headless.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

THeadlessResult playQuietly(const THeadlessSettings& settings) {
    testing::internal::CaptureStdout(); // flag pictures may be missing from the test data
    const THeadlessResult result = runHeadlessMatch(settings);
    testing::internal::GetCapturedStdout();
    return result;
}

} // namespace

TEST(HeadlessMatchTest, WholeMatchesEndWithAWinnerOrADrawWithinTheFrameBound) {
    const struct {
        std::uint32_t seed;
        int teams;
        int tumboks;
        int boxes;
    } matches[] = {{1, 2, 3, 10}, {2, 3, 2, 0}, {3, 4, 4, 25}, {4, 2, 1, 100}};
    for (const auto& match : matches) {
        THeadlessSettings settings;
        settings.seed = match.seed;
        settings.nbTeams = match.teams;
        settings.nbTumboks = match.tumboks;
        settings.nbExplosifs = match.boxes;
        settings.maxFrames = 20000;
        const THeadlessResult result = playQuietly(settings);
        SCOPED_TRACE(headlessSummary(result));
        EXPECT_TRUE(result.finished);
        EXPECT_LT(result.frames, settings.maxFrames);
        EXPECT_GE(result.turns, 1);
        EXPECT_GE(result.winner, -1);
        EXPECT_LT(result.winner, match.teams);
        const std::string summary = headlessSummary(result);
        const std::string outcome = result.winner >= 0 ? "winner " + std::to_string(result.winner) : "draw";
        EXPECT_EQ(summary, outcome + " frames " + std::to_string(result.frames) + " turns " +
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
