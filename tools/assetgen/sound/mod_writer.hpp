// Encodes a four-channel ProTracker module ("M.K.": 31 samples, 64-row patterns, 8-bit signed samples).
#pragma once

#include "byte_writer.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sound {

inline constexpr int kModChannels = 4;
inline constexpr int kModRows = 64;
inline constexpr int kModSampleSlots = 31;
inline constexpr int kModMaxOrders = 128;
inline constexpr std::size_t kModHeaderSize = 1084;
inline constexpr std::size_t kModPatternSize = kModRows * kModChannels * 4;

struct TModSample {
    std::string name;
    std::vector<std::int8_t> data; // even length, at most 131070 bytes
    std::uint8_t volume = 64;      // 0..64
    std::uint8_t finetune = 0;     // low nibble, two's complement -8..7
    std::size_t loopStart = 0;     // in bytes, even
    std::size_t loopLength = 0;    // in bytes, even; 0 = no loop
};

// One cell: a period (0 = no note), a sample number 1..31 (0 = none) and an effect with its parameter.
struct TModCell {
    std::uint16_t period = 0;
    std::uint8_t sample = 0;
    std::uint8_t effect = 0;
    std::uint8_t parameter = 0;
};

using TModRow = std::array<TModCell, kModChannels>;
using TModPattern = std::array<TModRow, kModRows>;

struct TModule {
    std::string title;
    std::vector<TModSample> samples; // up to 31, numbered from 1
    std::vector<TModPattern> patterns;
    std::vector<std::uint8_t> orders; // pattern numbers, 1..128 entries
};

namespace detail {
inline void writeSampleHeader(TByteWriter& out, const TModSample* sample) {
    if (sample == nullptr) {
        out.fixedText("", 22);
        out.u16be(0);
        out.u8(0);
        out.u8(0);
        out.u16be(0);
        out.u16be(1);
        return;
    }
    if (sample->data.size() % 2 != 0 || sample->data.size() > 131070 || sample->volume > 64 ||
        sample->loopStart % 2 != 0 || sample->loopLength % 2 != 0 ||
        sample->loopStart + sample->loopLength > sample->data.size()) {
        throw std::invalid_argument("module sample " + sample->name + " has an invalid layout");
    }
    out.fixedText(sample->name, 22);
    out.u16be(static_cast<std::uint16_t>(sample->data.size() / 2));
    out.u8(sample->finetune & 0x0F);
    out.u8(sample->volume);
    out.u16be(static_cast<std::uint16_t>(sample->loopLength == 0 ? 0 : sample->loopStart / 2));
    out.u16be(static_cast<std::uint16_t>(sample->loopLength == 0 ? 1 : sample->loopLength / 2));
}

inline void writeCell(TByteWriter& out, const TModCell& cell) {
    if (cell.period > 0x0FFF || cell.sample > kModSampleSlots || cell.effect > 0x0F) {
        throw std::invalid_argument("module cell out of range");
    }
    out.u8(static_cast<std::uint8_t>((cell.sample & 0xF0) | (cell.period >> 8)));
    out.u8(static_cast<std::uint8_t>(cell.period & 0xFF));
    out.u8(static_cast<std::uint8_t>(((cell.sample & 0x0F) << 4) | cell.effect));
    out.u8(cell.parameter);
}
} // namespace detail

inline std::vector<std::uint8_t> encodeModule(const TModule& module) {
    if (module.samples.size() > kModSampleSlots || module.orders.empty() ||
        module.orders.size() > kModMaxOrders || module.patterns.empty()) {
        throw std::invalid_argument("module " + module.title + " has an invalid layout");
    }
    for (const std::uint8_t order : module.orders) {
        if (order >= module.patterns.size()) {
            throw std::invalid_argument("module order names a missing pattern");
        }
    }
    TByteWriter out;
    out.fixedText(module.title, 20);
    for (int slot = 0; slot < kModSampleSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        detail::writeSampleHeader(out, index < module.samples.size() ? &module.samples[index] : nullptr);
    }
    out.u8(static_cast<std::uint8_t>(module.orders.size()));
    out.u8(127); // restart byte: ignored by players of "M.K." files
    for (int position = 0; position < kModMaxOrders; ++position) {
        const auto index = static_cast<std::size_t>(position);
        out.u8(index < module.orders.size() ? module.orders[index] : 0);
    }
    out.tag("M.K.");
    // Players read as many patterns as the highest pattern number in the order table.
    const std::size_t storedPatterns = *std::max_element(module.orders.begin(), module.orders.end()) + 1u;
    for (std::size_t pattern = 0; pattern < storedPatterns; ++pattern) {
        for (const TModRow& row : module.patterns[pattern]) {
            for (const TModCell& cell : row) {
                detail::writeCell(out, cell);
            }
        }
    }
    for (const TModSample& sample : module.samples) {
        for (const std::int8_t value : sample.data) {
            out.u8(static_cast<std::uint8_t>(value));
        }
    }
    return out.take();
}

} // namespace sound
