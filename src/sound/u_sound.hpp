// The one sound player: effects on two fixed mixer channels and the match music, under the two sound
// settings.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <array>
#include <cstdint>

class TPreferences;

enum class TTypeSound : std::uint8_t {
    SoundJump = 0,
    SoundFire = 1,
    SoundArrow = 2,
    SoundPlant = 3,
    SoundExplosion = 4,
    SoundBounce = 5,
    SoundThrow = 6,
    SoundVoice1 = 7,
    SoundVoice2 = 8,
    SoundHan = 9,
};
constexpr int soundCount = 10;

enum class TTypeMusic : std::uint8_t { MusicGame = 0 };

// The file and mixer channel of each effect, by its own name (never by load order).
const char* soundFileName(TTypeSound sound);
int soundChannel(TTypeSound sound);

class TNoise {
public:
    explicit TNoise(const TPreferences& preferences);
    ~TNoise();
    TNoise(const TNoise&) = delete;
    TNoise& operator=(const TNoise&) = delete;

    void playSound(TTypeSound sound);
    void playMusic(TTypeMusic music, std::int32_t loops);
    void stopMusic();

    // False when no audio device could be opened: the game then runs silent.
    bool audioOpen() const { return audioOpen_; }
    bool hasSound(TTypeSound sound) const { return sample(sound) != nullptr; }
    bool hasMusic() const { return music != nullptr; }

    const TPreferences& preferences;
    std::int32_t frequency = 44100;
    std::int32_t format = 0x8010;
    std::int32_t channels = 2;
    std::int32_t chunkSize = 512;
    MusicPtr music;

private:
    Mix_Chunk* sample(TTypeSound sound) const;

    std::array<ChunkPtr, soundCount> samples_; // indexed by TTypeSound
    bool audioOpen_ = false;
};
