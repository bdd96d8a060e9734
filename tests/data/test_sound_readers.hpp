// Readers for the generated sound files, written independently of the generator so the tests check its
// output.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sound_test {

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t le16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | (bytes.at(at + 1) << 8);
}
inline std::uint32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return le16(bytes, at) | (le16(bytes, at + 2) << 16);
}
inline std::uint32_t be16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (bytes.at(at) << 8) | bytes.at(at + 1);
}
inline std::string text(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t length) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + length)};
}

struct TWave {
    std::uint32_t format = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t byteRate = 0;
    std::uint32_t blockAlign = 0;
    std::uint32_t bits = 0;
    std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; nothing when the file is not a RIFF WAVE with "fmt " and "data" chunks.
inline std::optional<TWave> parseWave(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12 || text(bytes, 0, 4) != "RIFF" || text(bytes, 8, 4) != "WAVE" ||
        le32(bytes, 4) != bytes.size() - 8) {
        return std::nullopt;
    }
    TWave wave;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = text(bytes, at, 4);
        const std::size_t size = le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.rate = le32(bytes, body + 4);
            wave.byteRate = le32(bytes, body + 8);
            wave.blockAlign = le16(bytes, body + 12);
            wave.bits = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le16(bytes, body + i)));
            }
            haveData = true;
        }
        at = body + size + (size % 2);
    }
    if (!haveFormat || !haveData) {
        return std::nullopt;
    }
    return wave;
}

// ---- ProTracker modules ------------------------------------------------------------------------------

inline constexpr std::size_t kModHeader = 1084;
inline constexpr std::size_t kModPattern = 1024;

struct TModCellRead {
    unsigned period;
    unsigned sample;
    unsigned effect;
    unsigned parameter;
};

struct TModRead {
    std::string tag;
    unsigned songLength = 0;
    std::vector<unsigned> orders;
    std::size_t patternCount = 0;
    std::size_t sampleBytes = 0; // sum of the sample lengths in the headers
    std::vector<std::uint8_t> bytes;

    TModCellRead cell(unsigned pattern, unsigned row, unsigned channel) const {
        const std::size_t at = kModHeader + pattern * kModPattern + (row * 4 + channel) * 4;
        return {((bytes.at(at) & 0x0Fu) << 8) | bytes.at(at + 1),
                (bytes.at(at) & 0xF0u) | (bytes.at(at + 2) >> 4), bytes.at(at + 2) & 0x0Fu, bytes.at(at + 3)};
    }
};

inline TModRead parseModule(std::vector<std::uint8_t> bytes) {
    TModRead module;
    module.tag = text(bytes, 1080, 4);
    module.songLength = bytes.at(950);
    unsigned highest = 0;
    for (unsigned position = 0; position < 128; ++position) {
        const unsigned pattern = bytes.at(952 + position);
        if (position < module.songLength) {
            module.orders.push_back(pattern);
        }
        highest = std::max(highest, pattern);
    }
    module.patternCount = highest + 1;
    for (std::size_t slot = 0; slot < 31; ++slot) {
        module.sampleBytes += 2 * be16(bytes, 20 + slot * 30 + 22);
    }
    module.bytes = std::move(bytes);
    return module;
}

struct TSongWalk {
    double seconds = 0.0;
    std::size_t rowsPlayed = 0;
    std::set<unsigned> positionsPlayed;
    std::optional<unsigned> loopTarget; // the position a jump went back to, once everything before it played
};

// Plays the order list as a tracker would (speed and tempo commands, position jumps and pattern breaks)
// until it comes back to a row it has already played.
inline TSongWalk walkSong(const TModRead& module) {
    TSongWalk walk;
    unsigned speed = 6;
    unsigned tempo = 125;
    unsigned position = 0;
    unsigned row = 0;
    std::set<std::pair<unsigned, unsigned>> seen;
    while (position < module.orders.size() && seen.insert({position, row}).second) {
        walk.positionsPlayed.insert(position);
        std::optional<unsigned> jumpTo;
        std::optional<unsigned> breakTo;
        for (unsigned channel = 0; channel < 4; ++channel) {
            const TModCellRead cell = module.cell(module.orders[position], row, channel);
            if (cell.effect == 0xF && cell.parameter > 0) {
                (cell.parameter < 32 ? speed : tempo) = cell.parameter;
            } else if (cell.effect == 0xB) {
                jumpTo = cell.parameter;
            } else if (cell.effect == 0xD) {
                breakTo = (cell.parameter >> 4) * 10 + (cell.parameter & 0x0F);
            }
        }
        walk.seconds += speed * 2.5 / tempo;
        ++walk.rowsPlayed;
        if (jumpTo || breakTo) {
            const unsigned next = jumpTo ? *jumpTo : position + 1;
            if (next <= position) {
                walk.loopTarget = next;
            }
            position = next;
            row = breakTo.value_or(0);
        } else if (++row == 64) {
            row = 0;
            ++position;
        }
    }
    return walk;
}

} // namespace sound_test
