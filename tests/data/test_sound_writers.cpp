// Byte layout of the generator's WAV and module writers on tiny inputs.
#include "../../tools/assetgen/sound/mod_writer.hpp"
#include "../../tools/assetgen/sound/wav_writer.hpp"

#include "data/test_sound_readers.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace {

using sound_test::be16;
using sound_test::le16;
using sound_test::le32;
using sound_test::text;

TEST(SoundWriters, WavHeaderAndLittleEndianSamples) {
    const std::vector<std::uint8_t> bytes = sound::encodeWavMono16({0, -2, 0x1234}, 22050);
    ASSERT_EQ(bytes.size(), 44u + 6u);
    EXPECT_EQ(text(bytes, 0, 4), "RIFF");
    EXPECT_EQ(le32(bytes, 4), 42u);
    EXPECT_EQ(text(bytes, 8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(bytes, 16), 16u);
    EXPECT_EQ(le16(bytes, 20), 1u);
    EXPECT_EQ(le16(bytes, 22), 1u);
    EXPECT_EQ(le32(bytes, 24), 22050u);
    EXPECT_EQ(le32(bytes, 28), 44100u);
    EXPECT_EQ(le16(bytes, 32), 2u);
    EXPECT_EQ(le16(bytes, 34), 16u);
    EXPECT_EQ(text(bytes, 36, 4), "data");
    EXPECT_EQ(le32(bytes, 40), 6u);
    EXPECT_EQ(le16(bytes, 46), 0xFFFEu);
    EXPECT_EQ(bytes.at(48), 0x34u);
    EXPECT_EQ(bytes.at(49), 0x12u);

    const auto parsed = sound_test::parseWave(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->samples, (std::vector<std::int16_t>{0, -2, 0x1234}));
}

sound::TModule tinyModule() {
    sound::TModule module;
    module.title = "a title longer than twenty bytes";
    module.samples.push_back({"tone", {0, 0, 100, -100, 50, -50}, 40, 0x0F, 2, 4});
    module.samples.push_back({"click", {0, 0}, 64, 0, 0, 0});
    module.patterns.resize(2);
    module.patterns[1][5][2] = {0x1AC, 18, 0xB, 0x07}; // period 428, sample 18 (both nibbles used), B07
    module.orders = {1, 0, 1};
    return module;
}

TEST(SoundWriters, ModuleHeaderPatternsAndSamplesAreWhereTrackersReadThem) {
    const std::vector<std::uint8_t> bytes = sound::encodeModule(tinyModule());
    ASSERT_EQ(bytes.size(), 1084u + 2u * 1024u + 6u + 2u);
    EXPECT_EQ(text(bytes, 0, 20), "a title longer than ");
    // First sample header: name padded with zeros, length and loop in words, finetune nibble, volume.
    EXPECT_EQ(text(bytes, 20, 4), "tone");
    EXPECT_EQ(bytes.at(24), 0u);
    EXPECT_EQ(be16(bytes, 42), 3u);
    EXPECT_EQ(bytes.at(44), 0x0Fu);
    EXPECT_EQ(bytes.at(45), 40u);
    EXPECT_EQ(be16(bytes, 46), 1u);
    EXPECT_EQ(be16(bytes, 48), 2u);
    // A sample without a loop, and an unused slot, both say loop length one word.
    EXPECT_EQ(be16(bytes, 50 + 28), 1u);
    EXPECT_EQ(be16(bytes, 80 + 22), 0u);
    EXPECT_EQ(be16(bytes, 80 + 28), 1u);

    EXPECT_EQ(bytes.at(950), 3u);
    EXPECT_EQ(bytes.at(952), 1u);
    EXPECT_EQ(bytes.at(953), 0u);
    EXPECT_EQ(bytes.at(954), 1u);
    EXPECT_EQ(bytes.at(955), 0u);
    EXPECT_EQ(text(bytes, 1080, 4), "M.K.");

    const sound_test::TModRead read = sound_test::parseModule(bytes);
    EXPECT_EQ(read.patternCount, 2u);
    const sound_test::TModCellRead cell = read.cell(1, 5, 2);
    EXPECT_EQ(cell.period, 0x1ACu);
    EXPECT_EQ(cell.sample, 18u);
    EXPECT_EQ(cell.effect, 0xBu);
    EXPECT_EQ(cell.parameter, 0x07u);
    EXPECT_EQ(read.cell(1, 5, 1).period, 0u);
    EXPECT_EQ(read.cell(0, 5, 2).sample, 0u);

    // Sample bodies follow the patterns, in sample order, as signed bytes.
    EXPECT_EQ(bytes.at(3132), 0u);
    EXPECT_EQ(bytes.at(3134), 100u);
    EXPECT_EQ(static_cast<std::int8_t>(bytes.at(3135)), -100);
    EXPECT_EQ(bytes.at(3136), 50u);
    EXPECT_EQ(bytes.at(3138), 0u);
}

TEST(SoundWriters, ModuleWriterRejectsLayoutsTrackersCannotRead) {
    const std::pair<const char*, void (*)(sound::TModule&)> breakages[] = {
        {"odd sample length", [](sound::TModule& module) { module.samples[0].data.push_back(1); }},
        {"loop past the end", [](sound::TModule& module) { module.samples[0].loopLength = 6; }},
        {"missing pattern", [](sound::TModule& module) { module.orders.push_back(2); }},
        {"volume above 64", [](sound::TModule& module) { module.samples[1].volume = 65; }},
    };
    for (const auto& [what, breakLayout] : breakages) {
        sound::TModule module = tinyModule();
        breakLayout(module);
        EXPECT_THROW(sound::encodeModule(module), std::invalid_argument) << what;
    }
}

} // namespace
