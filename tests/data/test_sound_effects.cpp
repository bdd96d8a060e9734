// The generated sound effects: valid mono 16-bit PCM, clean levels and edges, and loadable by the mixer.
#include "data/test_sound_readers.hpp"
#include "resources/u_data_files.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <string>

namespace {

const std::filesystem::path kNoise = "data/noise";

constexpr double kFullScale = 32768.0;
// -1 dBFS.
const double kPeakLimit = kFullScale * std::pow(10.0, -1.0 / 20.0);

class MixerAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(Mix_OpenAudio(44100, 0x8010, 2, 512), 0) << Mix_GetError(); }
    static void TearDownTestSuite() { Mix_CloseAudio(); }
};

class EffectFile : public ::testing::TestWithParam<const char*> {};

int maxMagnitude(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    return peak;
}

TEST_P(EffectFile, IsShortCleanMonoPcmThatStartsAndEndsInSilence) {
    const auto wave = sound_test::parseWave(sound_test::readBytes(kNoise / GetParam()));
    ASSERT_TRUE(wave.has_value()) << GetParam() << " is not a RIFF WAVE file";
    EXPECT_EQ(wave->format, 1u);
    EXPECT_EQ(wave->channels, 1u);
    EXPECT_EQ(wave->bits, 16u);
    EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100) << wave->rate;
    EXPECT_EQ(wave->blockAlign, 2u);
    EXPECT_EQ(wave->byteRate, wave->rate * 2);

    const std::vector<std::int16_t>& samples = wave->samples;
    const double seconds = static_cast<double>(samples.size()) / wave->rate;
    EXPECT_GE(seconds, 0.1);
    EXPECT_LE(seconds, 2.0);

    const int peak = maxMagnitude(samples, 0, samples.size());
    EXPECT_LE(peak, kPeakLimit) << "clips or nearly so";
    const double sumOfSquares = std::accumulate(
        samples.begin(), samples.end(), 0.0, [](double sum, std::int16_t s) { return sum + double(s) * s; });
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(samples.size())) / kFullScale;
    EXPECT_GT(rms, 0.03) << "nearly silent";

    const double mean =
        std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    EXPECT_LT(std::abs(mean), 0.005 * kFullScale) << "DC offset";

    // An attack of a few milliseconds and a fade at the end: nothing jumps from or to silence.
    const std::size_t halfMillisecond = wave->rate / 2000;
    const std::size_t fiveMilliseconds = wave->rate / 200;
    EXPECT_LE(std::abs(samples.front()), 0.01 * kFullScale);
    EXPECT_LE(std::abs(samples.back()), 0.01 * kFullScale);
    EXPECT_LE(maxMagnitude(samples, 0, halfMillisecond), 0.3 * peak);
    EXPECT_LE(maxMagnitude(samples, samples.size() - fiveMilliseconds, samples.size()), 0.05 * kFullScale);
}

INSTANTIATE_TEST_SUITE_P(Noise, EffectFile,
                         ::testing::Values(dataFile::jumpSound, dataFile::fireSound, dataFile::arrowSound,
                                           dataFile::plantSound, dataFile::explosionSound,
                                           dataFile::voice1Sound, dataFile::voice2Sound,
                                           dataFile::bounceSound, dataFile::throwSound));

TEST_F(MixerAudio, LoadsEveryEffectAsASampleOfPlausibleLength) {
    for (const char* name :
         {dataFile::jumpSound, dataFile::fireSound, dataFile::arrowSound, dataFile::plantSound,
          dataFile::explosionSound, dataFile::voice1Sound, dataFile::voice2Sound, dataFile::hanSound,
          dataFile::bounceSound, dataFile::throwSound}) {
        Mix_Chunk* chunk = Mix_LoadWAV((kNoise / name).c_str());
        ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
        // Output frames are 2 channels of 16 bits at 44100 Hz.
        const double seconds = chunk->alen / (44100.0 * 4.0);
        EXPECT_GT(seconds, 0.1) << name;
        EXPECT_LT(seconds, 2.0) << name;
        Mix_FreeChunk(chunk);
    }
}

TEST_F(MixerAudio, HanIsAVorbisStreamThatDecodesWithoutClipping) {
    const std::vector<std::uint8_t> bytes = sound_test::readBytes(kNoise / dataFile::hanSound);
    ASSERT_GT(bytes.size(), 64u);
    EXPECT_EQ(sound_test::text(bytes, 0, 4), "OggS");
    EXPECT_EQ(sound_test::text(bytes, 29, 6), "vorbis"); // the identification packet opens the first page
    EXPECT_EQ(bytes.at(39), 1u);                         // mono
    EXPECT_EQ(sound_test::le32(bytes, 40), 44100u);

    Mix_Chunk* chunk = Mix_LoadWAV((kNoise / dataFile::hanSound).c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const auto* first = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::vector<std::int16_t> samples(first, first + chunk->alen / 2);
    const int peak = maxMagnitude(samples, 0, samples.size());
    EXPECT_LE(peak, kPeakLimit);
    EXPECT_GT(peak, 0.1 * kFullScale);
    Mix_FreeChunk(chunk);
}

TEST(SoundGeneration, GivesTheSameBytesOnASecondRun) {
    const TTempDir scratch;
    const std::filesystem::path again = scratch / "data";
    ASSERT_EQ(std::system(("./assetgen " + again.string() + " > /dev/null").c_str()), 0);
    std::size_t compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kNoise)) {
        const std::filesystem::path twin = again / "noise" / entry.path().filename();
        EXPECT_EQ(sound_test::readBytes(entry.path()), sound_test::readBytes(twin)) << entry.path();
        ++compared;
    }
    EXPECT_GE(compared, 11u);
}

} // namespace
