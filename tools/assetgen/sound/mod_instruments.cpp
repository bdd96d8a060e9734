#include "sound/mod_instruments.hpp"

#include "sound/synth.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace sound {

namespace {

// A sample played at period P runs at this clock / P samples per second (PAL machines).
constexpr double kPaulaClock = 3546895.0;
const int kDrumRate = static_cast<int>(std::lround(kPaulaClock / 214.0)); // native at C-3
const int kToneRate = static_cast<int>(std::lround(kPaulaClock / 428.0)); // C-2

std::vector<std::int8_t> toPcm8(const TSignal& signal) {
    const double peak = peakOf(signal);
    const double gain = peak > 0.0 ? 126.0 / peak : 0.0;
    std::vector<std::int8_t> out;
    out.reserve(signal.size() + 1);
    for (const double sample : signal) {
        out.push_back(static_cast<std::int8_t>(std::lround(sample * gain)));
    }
    if (out.size() % 2 != 0) {
        out.push_back(0);
    }
    // The first word doubles as the idle loop on the original hardware: keep it silent.
    out[0] = 0;
    out[1] = 0;
    return out;
}

// A drum recorded at the rate that plays it at C-3, from a function of time in seconds.
TModSample drum(const std::string& name, std::uint8_t volume, double seconds, const TCurve& sampleAt) {
    TSignal signal = render(kDrumRate, seconds, sampleAt);
    // Short end fade so a drum cut by the next hit does not click either way.
    applyAttackRelease(signal, kDrumRate, 0.0008, 0.01, static_cast<double>(signal.size()) / kDrumRate);
    return TModSample{name, toPcm8(signal), volume, 0, 0, 0};
}

TModSample makeKick() {
    TPhase phase(kDrumRate);
    TNoiseSource noise(101);
    TStateVariableFilter clickFilter(kDrumRate);
    return drum("kick", 64, 0.3, [&](double t) {
        const double pitch = t < 0.08 ? glide(190.0, 48.0, t / 0.08) : 48.0;
        const double body = sineWave(phase.advance(pitch)) * attackDecay(t, 0.001, 0.11);
        const double click =
            clickFilter.process(noise.white(), 3000.0, 0.7).low * attackDecay(t, 0.0005, 0.004);
        return std::tanh(2.2 * (body + 0.6 * click));
    });
}

TModSample makeSnare() {
    TPhase low(kDrumRate);
    TPhase high(kDrumRate);
    TNoiseSource noise(102);
    TStateVariableFilter rattle(kDrumRate);
    return drum("snare", 46, 0.22, [&](double t) {
        const double tone = (sineWave(low.advance(185.0)) + 0.5 * sineWave(high.advance(330.0))) *
                            attackDecay(t, 0.0008, 0.035);
        const double wires = rattle.process(noise.white(), 1500.0, 0.7).high * attackDecay(t, 0.0008, 0.065);
        return std::tanh(1.5 * (0.7 * tone + 0.9 * wires));
    });
}

TModSample makeHat() {
    TNoiseSource noise(103);
    TStateVariableFilter airy(kDrumRate);
    TStateVariableFilter metal(kDrumRate);
    return drum("hat", 30, 0.09, [&](double t) {
        const double white = noise.white();
        const double shimmer =
            airy.process(white, 5500.0, 0.7).high + 0.5 * metal.process(white, 7000.0, 3.0).band / 3.0;
        return shimmer * attackDecay(t, 0.0005, 0.022);
    });
}

// A pitched sample built from harmonics of a cycle of cycleLength samples, whose levels may change during the
// attack; from attackLength on it repeats exactly with period loopLength, which is where it loops.
struct TToneRecipe {
    std::string name;
    std::uint8_t volume;
    std::size_t cycleLength;
    std::size_t attackLength;
    std::size_t loopLength;
    // Sample value at index n, time t in seconds at the C-2 rate.
    std::function<double(std::size_t, double)> valueAt;
};

TModSample tone(const TToneRecipe& recipe) {
    TSignal out(recipe.attackLength + recipe.loopLength);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(std::min(n, recipe.attackLength)) / kToneRate;
        out[n] = recipe.valueAt(n, t);
    }
    TModSample sample{recipe.name, toPcm8(out), recipe.volume, 0, recipe.attackLength, recipe.loopLength};
    return sample;
}

double harmonic(std::size_t n, double cyclesPerSample, int k) {
    return std::sin(2.0 * kPi * k * cyclesPerSample * static_cast<double>(n));
}

// A fourth-order-like roll-off above harmonic `cutoff`.
double rollOff(int k, double cutoff) {
    return 1.0 / std::sqrt(1.0 + std::pow(k / cutoff, 4.0));
}

TModSample makeBass() {
    constexpr std::size_t cycle = 64;
    const double attackSeconds = 40.0 * cycle / kToneRate;
    return tone({"bass", 46, cycle, 40 * cycle, 2 * cycle, [=](std::size_t n, double t) {
                     // A plucked, rounded square-saw: bright at the attack, warm as it sustains.
                     const double cutoff = glide(12.0, 3.5, t / attackSeconds);
                     double value = 0.0;
                     for (int k = 1; k <= 16; ++k) {
                         const double weight = (k % 2 == 1 ? 1.0 : 0.55) / k;
                         value += weight * rollOff(k, cutoff) * harmonic(n, 1.0 / cycle, k);
                     }
                     const double level = t < 0.003 ? t / 0.003 : 0.75 + 0.25 * std::exp(-(t - 0.003) / 0.08);
                     return value * level;
                 }});
}

TModSample makeLead() {
    constexpr std::size_t cycle = 32;
    const double attackSeconds = 60.0 * cycle / kToneRate;
    constexpr double pulseWidth = 0.3;
    return tone({"lead", 56, cycle, 60 * cycle, 4 * cycle, [=](std::size_t n, double t) {
                     const double cutoff = glide(8.0, 4.5, t / attackSeconds);
                     double value = 0.0;
                     for (int k = 1; k <= 8; ++k) {
                         value += std::sin(kPi * k * pulseWidth) / k * rollOff(k, cutoff) *
                                  harmonic(n, 1.0 / cycle, k);
                     }
                     const double level = t < 0.004 ? t / 0.004 : 0.8 + 0.2 * std::exp(-(t - 0.004) / 0.06);
                     return value * level;
                 }});
}

TModSample makePad() {
    constexpr std::size_t cycle = 64;
    constexpr std::size_t loop = 8192; // holds 127, 128 and 129 cycles: three slightly detuned saws
    constexpr std::size_t attack = 1024;
    return tone({"pad", 28, cycle, attack, loop, [=](std::size_t n, double) {
                     double value = 0.0;
                     for (const double cycles : {127.0, 128.0, 129.0}) {
                         for (int k = 1; k <= 10; ++k) {
                             value += rollOff(k, 4.0) / k * harmonic(n, cycles / loop, k);
                         }
                     }
                     const double rise = std::min(1.0, static_cast<double>(n) / attack);
                     return value * (0.5 - 0.5 * std::cos(kPi * rise));
                 }});
}

} // namespace

std::vector<TModSample> makeInstruments() {
    return {makeKick(), makeSnare(), makeHat(), makeBass(), makeLead(), makePad()};
}

} // namespace sound
