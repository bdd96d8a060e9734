// Encodes 16-bit mono PCM samples as a RIFF WAVE file.
#pragma once

#include "byte_writer.hpp"

#include <cstdint>
#include <vector>

namespace sound {

inline constexpr std::uint32_t kWavHeaderSize = 44;

inline std::vector<std::uint8_t> encodeWavMono16(const std::vector<std::int16_t>& samples,
                                                 std::uint32_t rate) {
    constexpr std::uint16_t bytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    TByteWriter out;
    out.tag("RIFF");
    out.u32le(kWavHeaderSize - 8 + dataSize);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32le(16);
    out.u16le(1); // integer PCM
    out.u16le(1); // mono
    out.u32le(rate);
    out.u32le(rate * bytesPerSample);
    out.u16le(bytesPerSample);
    out.u16le(16);
    out.tag("data");
    out.u32le(dataSize);
    for (const std::int16_t sample : samples) {
        out.u16le(static_cast<std::uint16_t>(sample));
    }
    return out.take();
}

} // namespace sound
