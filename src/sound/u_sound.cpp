#include "sound/u_sound.hpp"

#include "app/u_preferences.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"

namespace {

struct SoundSlot {
    const char* file;
    int channel;
};

// In TTypeSound order.
constexpr std::array<SoundSlot, soundCount> soundSlots = {{
    {dataFile::jumpSound, 1},
    {dataFile::fireSound, 1},
    {dataFile::arrowSound, 1},
    {dataFile::plantSound, 1},
    {dataFile::explosionSound, 1},
    {dataFile::bounceSound, 1},
    {dataFile::throwSound, 1},
    {dataFile::voice1Sound, 2},
    {dataFile::voice2Sound, 2},
    {dataFile::hanSound, 1},
}};

// The order the effects are read from disk at start-up.
constexpr std::array<TTypeSound, soundCount> loadingOrder = {
    TTypeSound::SoundJump,      TTypeSound::SoundFire,   TTypeSound::SoundArrow,  TTypeSound::SoundPlant,
    TTypeSound::SoundExplosion, TTypeSound::SoundVoice1, TTypeSound::SoundVoice2, TTypeSound::SoundHan,
    TTypeSound::SoundBounce,    TTypeSound::SoundThrow,
};

std::size_t indexOf(TTypeSound sound) {
    return static_cast<std::size_t>(sound);
}

} // namespace

const char* soundFileName(TTypeSound sound) {
    return soundSlots.at(indexOf(sound)).file;
}

int soundChannel(TTypeSound sound) {
    return soundSlots.at(indexOf(sound)).channel;
}

TNoise::TNoise(const TPreferences& preferences) : preferences(preferences) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(frequency, static_cast<Uint16>(format), channels, chunkSize) != 0) {
        diagnosticLine("No sound: ", Mix_GetError());
        return;
    }
    audioOpen_ = true;
    for (const TTypeSound sound : loadingOrder) {
        samples_[indexOf(sound)] = loadSound(soundFileName(sound));
    }
}

TNoise::~TNoise() {
    for (const TTypeSound sound : loadingOrder) {
        samples_[indexOf(sound)].reset();
    }
    stopMusic();
    if (audioOpen_) {
        Mix_CloseAudio();
    }
}

Mix_Chunk* TNoise::sample(TTypeSound sound) const {
    const std::size_t index = indexOf(sound);
    return index < samples_.size() ? samples_[index].get() : nullptr;
}

void TNoise::playSound(TTypeSound sound) {
    Mix_Chunk* chunk = sample(sound);
    if (!preferences.activeSounds || chunk == nullptr) {
        return;
    }
    Mix_PlayChannelTimed(soundChannel(sound), chunk, 0, -1);
}

void TNoise::playMusic(TTypeMusic which, std::int32_t loops) {
    if (!preferences.activeMusic || which != TTypeMusic::MusicGame || !audioOpen_) {
        return;
    }
    stopMusic();
    music = loadMusic(dataFile::gameMusic);
    if (music) {
        Mix_PlayMusic(music.get(), loops);
    }
}

void TNoise::stopMusic() {
    music.reset();
}
