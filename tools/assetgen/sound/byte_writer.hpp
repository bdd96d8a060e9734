// Little and big endian field writers shared by the sound file encoders.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace sound {

class TByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16le(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value & 0xFF));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32le(std::uint32_t value) {
        u16le(static_cast<std::uint16_t>(value & 0xFFFF));
        u16le(static_cast<std::uint16_t>(value >> 16));
    }
    void u16be(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value >> 8));
        u8(static_cast<std::uint8_t>(value & 0xFF));
    }
    void tag(std::string_view text) {
        for (const char c : text) {
            u8(static_cast<std::uint8_t>(c));
        }
    }
    // Writes text cut or padded with zero bytes to exactly width bytes.
    void fixedText(std::string_view text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            u8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
        }
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace sound
