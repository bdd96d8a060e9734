// A running digest of a match, for golden runs: the terrain's pixels and every tumbok's state folded into
// one number after each frame, so that any change to where things end up shows as a changed number.
#pragma once

#include "model/u_data_teams.hpp"

#include <SDL.h>

#include <bit>
#include <cstdint>
#include <cstring>

// FNV-1a over 64-bit words: fast enough to take in the whole terrain after every step.
class TDigest {
public:
    void add(std::uint64_t word) { value_ = (value_ ^ word) * 0x100000001b3ull; }
    void add(double real) { add(std::bit_cast<std::uint64_t>(real)); }
    void add(const Uint8* bytes, std::size_t size) {
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            add(word);
        }
        for (; i < size; ++i) {
            add(std::uint64_t{bytes[i]});
        }
    }
    // Every pixel of a 32-bit terrain, row by row.
    void add(const SDL_Surface* terrain) {
        for (int y = 0; y < terrain->h; ++y) {
            add(static_cast<const Uint8*>(terrain->pixels) + y * terrain->pitch,
                static_cast<std::size_t>(terrain->w) * 4);
        }
    }
    // Every tumbok's position, speed, health, facing and whether it is out.
    void add(const TTeamsManager& teams) {
        for (const TTeam& team : teams.teams) {
            for (const TTumbok& t : team.tumboks) {
                add(t.position.x);
                add(t.position.y);
                add(t.speed.x);
                add(t.speed.y);
                add(static_cast<std::uint64_t>(t.health));
                add(std::uint64_t{t.out} << 8 | static_cast<std::uint64_t>(t.direction));
            }
        }
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ull;
};
