// The match music: a four-channel "M.K." module of over a minute that loops back to its start.
#include "data/test_sound_readers.hpp"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <set>

namespace {

const std::filesystem::path kMusic = "data/noise/music-game.mod";

TEST(GameMusic, LoadsInTheMixerAsAModule) {
    ASSERT_EQ(Mix_OpenAudio(44100, 0x8010, 2, 512), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(kMusic.c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MOD);
    Mix_FreeMusic(music);
    Mix_CloseAudio();
}

TEST(GameMusic, IsAWholeFourChannelModuleWithItsOwnSamples) {
    const sound_test::TModRead module = sound_test::parseModule(sound_test::readBytes(kMusic));
    EXPECT_EQ(module.tag, "M.K.");
    ASSERT_GE(module.songLength, 1u);
    ASSERT_LE(module.songLength, 128u);
    EXPECT_EQ(module.bytes.size(),
              sound_test::kModHeader + module.patternCount * sound_test::kModPattern + module.sampleBytes);

    std::set<unsigned> samplesPlayed;
    std::set<unsigned> channelsWithNotes;
    for (const unsigned pattern : module.orders) {
        for (unsigned row = 0; row < 64; ++row) {
            for (unsigned channel = 0; channel < 4; ++channel) {
                const sound_test::TModCellRead cell = module.cell(pattern, row, channel);
                if (cell.sample != 0) {
                    samplesPlayed.insert(cell.sample);
                    channelsWithNotes.insert(channel);
                    EXPECT_GE(cell.period, 113u);
                    EXPECT_LE(cell.period, 856u);
                }
            }
        }
    }
    // Kick, snare, hat, bass, lead and pad, each with sound in it and a valid loop.
    EXPECT_GE(samplesPlayed.size(), 6u);
    EXPECT_EQ(channelsWithNotes.size(), 4u);
    for (const unsigned sample : samplesPlayed) {
        const std::size_t header = 20 + (sample - 1) * 30;
        const std::size_t length = 2 * sound_test::be16(module.bytes, header + 22);
        const std::size_t loopStart = 2 * sound_test::be16(module.bytes, header + 26);
        const std::size_t loopLength = 2 * sound_test::be16(module.bytes, header + 28);
        EXPECT_GT(length, 64u) << "sample " << sample;
        EXPECT_GT(module.bytes.at(header + 25), 0u) << "sample " << sample << " is silent";
        EXPECT_LE(module.bytes.at(header + 25), 64u);
        if (loopLength > 2) {
            EXPECT_LE(loopStart + loopLength, length) << "sample " << sample;
        }
    }
}

TEST(GameMusic, PlaysOverAMinuteAt125BpmThenJumpsBackToTheStart) {
    const sound_test::TModRead module = sound_test::parseModule(sound_test::readBytes(kMusic));
    const sound_test::TSongWalk walk = sound_test::walkSong(module);
    ASSERT_TRUE(walk.loopTarget.has_value()) << "the song stops instead of looping";
    EXPECT_EQ(*walk.loopTarget, 0u);
    EXPECT_EQ(walk.positionsPlayed.size(), module.songLength) << "some positions are never reached";
    EXPECT_GE(walk.seconds, 60.0);

    // The speed and tempo are stated on the first row, so every pass plays at 125 BPM, speed 6.
    std::set<unsigned> firstRowCommands;
    for (unsigned channel = 0; channel < 4; ++channel) {
        const sound_test::TModCellRead cell = module.cell(module.orders.front(), 0, channel);
        if (cell.effect == 0xF) {
            firstRowCommands.insert(cell.parameter);
        }
    }
    EXPECT_EQ(firstRowCommands, (std::set<unsigned>{6, 125}));

    // The jump sits on the last row of the last position, so the whole last pattern plays before the loop.
    bool jumpOnLastRow = false;
    for (unsigned channel = 0; channel < 4; ++channel) {
        const sound_test::TModCellRead cell = module.cell(module.orders.back(), 63, channel);
        jumpOnLastRow = jumpOnLastRow || (cell.effect == 0xB && cell.parameter == 0);
    }
    EXPECT_TRUE(jumpOnLastRow);
}

} // namespace
