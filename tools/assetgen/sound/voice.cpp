#include "sound/voice.hpp"

#include <cmath>

namespace sound {

TSignal synthesiseVoice(int rate, const TVoiceShape& shape) {
    TNoiseSource noise(shape.seed);
    TPhase glottis(rate);
    TPhase creak(rate);
    std::array<TStateVariableFilter, 3> tract{TStateVariableFilter(rate), TStateVariableFilter(rate),
                                              TStateVariableFilter(rate)};
    double jitter = 0.0;
    return render(rate, shape.seconds, [&](double seconds) {
        const double progress = seconds / shape.seconds;
        // Slowly wandering pitch makes it sound alive rather than like an oscillator.
        jitter = 0.999 * jitter + 0.001 * noise.white() * 40.0;
        const double pitch = shape.pitch(seconds) * (1.0 + 0.01 * jitter);
        const double creakShape = 1.0 - shape.roughness * 0.5 * (1.0 + sineWave(creak.advance(pitch * 0.5)));
        const double excitation =
            glottalWave(glottis.advance(pitch)) * creakShape + shape.breath * noise.white();
        double voiced = 0.0;
        for (std::size_t f = 0; f < tract.size(); ++f) {
            const TFormant& formant = shape.formants[f];
            const double centre = glide(formant.from, formant.to, progress);
            voiced += formant.gain * tract[f].process(excitation, centre, formant.resonance).band /
                      formant.resonance;
        }
        return voiced;
    });
}

} // namespace sound
