// Writes the sound effects and the match music under data/noise.
#include "atomic_file.hpp"
#include "generators.hpp"
#include "sound/effects.hpp"
#include "sound/mod_writer.hpp"
#include "sound/music.hpp"
#include "sound/ogg_writer.hpp"
#include "sound/wav_writer.hpp"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Any fixed number will do: it only has to be the same on every run so the file's bytes are too.
constexpr int kOggSerial = 0x4D6F7276;
constexpr float kOggQuality = 0.4F;

struct TEffectFile {
    const char* name;
    std::function<sound::TSignal()> make;
};

} // namespace

void generateSounds(const std::filesystem::path& dataDirectory) {
    const std::filesystem::path directory = dataDirectory / "noise";
    const std::vector<TEffectFile> effects{
        {"jump.wav", sound::makeJump},           {"fire.wav", sound::makeFire},
        {"arrow.wav", sound::makeArrow},         {"plant.wav", sound::makePlant},
        {"explosion.wav", sound::makeExplosion}, {"voice1.wav", sound::makeVoiceOuch},
        {"voice2.wav", sound::makeVoiceAie},     {"bounce.wav", sound::makeBounce},
        {"throw.wav", sound::makeThrow},
    };
    for (const TEffectFile& effect : effects) {
        writeFileAtomically(directory / effect.name,
                            sound::encodeWavMono16(sound::toPcm16(effect.make()), sound::kEffectRate));
    }
    writeFileAtomically(
        directory / "han.ogg",
        sound::encodeOggVorbisMono(sound::makeEffortGrunt(), sound::kEffectRate, kOggSerial, kOggQuality));
    writeFileAtomically(directory / "music-game.mod", sound::encodeModule(sound::composeGameMusic()));
}
