// Writes the sound effects and the match music under data/noise.
#include "atomic_file.hpp"
#include "generators.hpp"
#include "resources/u_data_files.hpp"
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
        {dataFile::jumpSound, sound::makeJump},           {dataFile::fireSound, sound::makeFire},
        {dataFile::arrowSound, sound::makeArrow},         {dataFile::plantSound, sound::makePlant},
        {dataFile::explosionSound, sound::makeExplosion}, {dataFile::voice1Sound, sound::makeVoiceOuch},
        {dataFile::voice2Sound, sound::makeVoiceAie},     {dataFile::bounceSound, sound::makeBounce},
        {dataFile::throwSound, sound::makeThrow},
    };
    for (const TEffectFile& effect : effects) {
        writeFileAtomically(directory / effect.name,
                            sound::encodeWavMono16(sound::toPcm16(effect.make()), sound::kEffectRate));
    }
    writeFileAtomically(
        directory / dataFile::hanSound,
        sound::encodeOggVorbisMono(sound::makeEffortGrunt(), sound::kEffectRate, kOggSerial, kOggQuality));
    writeFileAtomically(directory / dataFile::gameMusic, sound::encodeModule(sound::composeGameMusic()));
}
