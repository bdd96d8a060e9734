#include "support/headless_match.hpp"

#include "physics/u_physics.hpp"
#include "resources/u_diagnostics.hpp"
#include "support/digest.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// A match as recorded: its settings, its outcome and, for a stamped one, the digest of all its frames.
struct TRecordedMatch {
    std::uint32_t seed;
    int teams;
    int tumboks;
    int boxes;
    int computers;
    const char* outcome;
    std::uint64_t digest = 0;
    const char* map = ""; // generated hills
};

THeadlessSettings settingsOf(const TRecordedMatch& match) {
    THeadlessSettings settings;
    settings.seed = match.seed;
    settings.nbTeams = match.teams;
    settings.nbTumboks = match.tumboks;
    settings.nbExplosifs = match.boxes;
    settings.nbAi = match.computers;
    settings.mapName = match.map;
    return settings;
}

THeadlessResult playQuietly(const THeadlessSettings& settings) {
    const TDiagnosticCapture quiet; // flag pictures may be missing from the test data
    return runHeadlessMatch(settings);
}

} // namespace

// Recorded from the simulation as it stands: any change to where things land or who wins shows up here.
TEST(HeadlessMatchTest, SeededMatchesOnGeneratedHillsEndExactlyAsRecorded) {
    const TRecordedMatch matches[] = {{1, 2, 3, 10, 0, "draw frames 429 turns 6"},
                                      {2, 3, 2, 0, 0, "winner 2 frames 516 turns 16"},
                                      {3, 4, 4, 25, 0, "winner 2 frames 517 turns 8"},
                                      {4, 2, 1, 100, 0, "draw frames 262 turns 2"},
                                      {5, 3, 2, 10, 1, "winner 2 frames 605 turns 8"}};
    for (const TRecordedMatch& match : matches) {
        const THeadlessSettings settings = settingsOf(match);
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

// Graves and stuck arrows stamped into the terrain by the game's own displays, as in the game, become ground
// that later shots and falls meet: the terrain and the tumboks after every frame, and the winner, are pinned.
TEST(HeadlessMatchTest, StampedMatchesPlayFrameByFrameExactlyAsRecorded) {
    const TRecordedMatch matches[] = {
        {21, 2, 3, 10, 0, "winner 0 frames 491 turns 9", 6001180539949589870u},
        {17, 3, 2, 0, 0, "winner 1 frames 373 turns 6", 13412688791527789128u},
        {13, 4, 4, 25, 1, "winner 3 frames 779 turns 9", 13316408030841712289u},
        {14, 4, 4, 25, 1, "winner 0 frames 397 turns 4", 4045666336783507043u},
        {17, 2, 4, 10, 0, "winner 0 frames 630 turns 15", 9871663366224143331u, "fore_caves.png"}};
    for (const TRecordedMatch& recorded : matches) {
        THeadlessSettings settings = settingsOf(recorded);
        settings.stamped = true;
        const TDiagnosticCapture quiet;
        THeadlessMatch match(settings);
        TDigest digest;
        bool playing = true;
        while (playing) {
            playing = match.playFrame();
            digest.add(match.physics().terrainSurface());
            digest.add(match.physics().view().teams);
        }
        digest.add(static_cast<std::uint64_t>(match.result().winner));
        EXPECT_TRUE(match.result().finished) << "seed " << recorded.seed;
        EXPECT_EQ(headlessSummary(match.result()), recorded.outcome) << "seed " << recorded.seed;
        EXPECT_EQ(digest.value(), recorded.digest) << "seed " << recorded.seed;
    }
}
