#include "../../tools/assetgen/sound/wav_writer.hpp"

#include "app/u_preferences.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "sound/u_sound.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// One second of a quiet square wave as a 16-bit mono WAV, long enough to be still playing when checked.
std::string testWav() {
    std::vector<std::int16_t> samples(22050);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = (i / 50) % 2 ? 1000 : -1000;
    }
    const std::vector<std::uint8_t> bytes = sound::encodeWavMono16(samples, 22050);
    return {bytes.begin(), bytes.end()};
}

struct SoundFixture : testing::Test {
    TTempDir dir;
    TPreferences preferences{(dir / "config.txt").string()};

    void writeEffects(bool withFire) {
        for (const char* name :
             {dataFile::jumpSound, dataFile::arrowSound, dataFile::plantSound, dataFile::explosionSound,
              dataFile::voice1Sound, dataFile::voice2Sound, dataFile::bounceSound, dataFile::throwSound}) {
            dir.write(std::string("data/noise/") + name, testWav());
        }
        if (withFire) {
            dir.write("data/noise/fire.wav", testWav());
        }
    }
};

} // namespace

TEST(SoundSlots, EachEffectHasItsFileAndChannel) {
    EXPECT_STREQ(soundFileName(TTypeSound::SoundBounce), dataFile::bounceSound);
    EXPECT_STREQ(soundFileName(TTypeSound::SoundVoice1), dataFile::voice1Sound);
    EXPECT_STREQ(soundFileName(TTypeSound::SoundHan), dataFile::hanSound);
    EXPECT_STREQ(soundFileName(TTypeSound::SoundThrow), dataFile::throwSound);
    EXPECT_EQ(soundChannel(TTypeSound::SoundVoice2), 2);
    EXPECT_EQ(soundChannel(TTypeSound::SoundExplosion), 1);
}

TEST_F(SoundFixture, EffectsShareChannelOneAndVoicesMixOnTwo) {
    writeEffects(true);
    const TWorkingDirectory inside(dir.path());
    TNoise noise(preferences);
    ASSERT_TRUE(noise.audioOpen());
    EXPECT_TRUE(noise.hasSound(TTypeSound::SoundBounce));
    EXPECT_FALSE(noise.hasSound(TTypeSound::SoundHan)); // no han.ogg in this folder

    noise.playSound(TTypeSound::SoundArrow);
    Mix_Chunk* arrow = Mix_GetChunk(1);
    noise.playSound(TTypeSound::SoundFire);
    EXPECT_NE(Mix_GetChunk(1), arrow); // the fire cut the arrow off
    noise.playSound(TTypeSound::SoundVoice1);
    EXPECT_EQ(Mix_Playing(1), 1);
    EXPECT_EQ(Mix_Playing(2), 1);
    Mix_HaltChannel(-1);
}

TEST_F(SoundFixture, SwitchedOffEffectsStaySilentUntilSwitchedOn) {
    writeEffects(true);
    const TWorkingDirectory inside(dir.path());
    TNoise noise(preferences);
    Mix_HaltChannel(-1);
    preferences.activeSounds = false;
    noise.playSound(TTypeSound::SoundJump);
    noise.playSound(TTypeSound::SoundVoice2);
    EXPECT_EQ(Mix_Playing(-1), 0);
    preferences.activeSounds = true;
    noise.playSound(TTypeSound::SoundJump);
    EXPECT_EQ(Mix_Playing(1), 1);
    Mix_HaltChannel(-1);
}

TEST_F(SoundFixture, MissingFilesGiveSilenceWithoutAWord) {
    writeEffects(false);
    const TWorkingDirectory inside(dir.path());
    const TDiagnosticCapture captured;
    {
        TNoise noise(preferences);
        Mix_HaltChannel(-1);
        noise.playSound(TTypeSound::SoundFire);
        EXPECT_EQ(Mix_Playing(1), 0);
        noise.playMusic(TTypeMusic::MusicGame, -1);
        EXPECT_FALSE(noise.hasMusic());
        noise.stopMusic();
        noise.stopMusic();
    }
    EXPECT_EQ(captured.text(), "");
}

TEST_F(SoundFixture, MusicSwitchedOffLeavesTheSlotAlone) {
    const TWorkingDirectory inside(dir.path());
    TNoise noise(preferences);
    preferences.activeMusic = false;
    noise.playMusic(TTypeMusic::MusicGame, -1);
    EXPECT_FALSE(noise.hasMusic());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
