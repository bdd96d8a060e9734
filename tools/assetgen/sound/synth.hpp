// Building blocks for synthesised sounds: deterministic noise, oscillators, filters, envelopes and mixing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace sound {

// Samples as reals, nominally within -1..1.
using TSignal = std::vector<double>;

inline constexpr double kPi = 3.14159265358979323846;

// A value over time in seconds: a sample, a pitch, a filter's centre or an envelope.
using TCurve = std::function<double(double)>;

std::size_t samplesFor(double seconds, int rate);
// Fills a signal of the given length from a function of time in seconds.
TSignal render(int rate, double seconds, const TCurve& sampleAt);

// Same sequence for the same seed on every run and every machine.
class TNoiseSource {
public:
    explicit TNoiseSource(std::uint32_t seed);
    // Uniform in -1..1.
    double white();
    // Integrated white noise kept bounded: a dark, rumbling noise.
    double brown();

private:
    std::uint32_t state_;
    double brownLevel_ = 0.0;
};

// A phase in 0..1 that advances by a frequency each sample, so pitch may change smoothly.
class TPhase {
public:
    explicit TPhase(int rate, double start = 0.0) : rate_(rate), phase_(start) {}
    // Returns the phase before advancing.
    double advance(double frequency);

private:
    int rate_;
    double phase_;
};

double sineWave(double phase);
// A triangle built from its odd harmonics below the Nyquist frequency: no aliasing as it sweeps.
double bandLimitedTriangle(double phase, double frequency, int rate);
// A smooth glottal pulse (derivative of a raised-cosine puff): the excitation of a voice.
double glottalWave(double phase);

// Zero-delay-feedback state variable filter: stays stable while its cutoff sweeps.
class TStateVariableFilter {
public:
    struct TOutput {
        double low;
        double band;
        double high;
    };
    explicit TStateVariableFilter(int rate) : rate_(rate) {}
    TOutput process(double input, double cutoff, double resonanceQ);

private:
    int rate_;
    double state1_ = 0.0;
    double state2_ = 0.0;
};

// Exponential glide between two positive values as t goes from 0 to 1.
double glide(double from, double to, double t);
// Rises over attack seconds (raised cosine), then decays exponentially with the given time constant.
double attackDecay(double seconds, double attack, double decayTime);
// Rises over attack seconds, holds, falls over release seconds towards length (raised cosines).
double attackRelease(double seconds, double attack, double release, double length);
// Shapes a whole signal by attackRelease.
void applyAttackRelease(TSignal& signal, int rate, double attack, double release, double length);

// Plucked string (Karplus-Strong): a short bright twang that dies away.
TSignal pluckedString(int rate, double frequency, double seconds, double damping, std::uint32_t seed);

// The largest magnitude of any sample.
double peakOf(const TSignal& signal);
// Adds source * gain into target starting at offset, growing target as needed.
void mixInto(TSignal& target, const TSignal& source, double gain, std::size_t offset = 0);

// Removes any DC (one-pole high-pass), fades in and out and scales the peak to peakDb (dBFS).
struct TFinish {
    double fadeIn = 0.003;
    double fadeOut = 0.03;
    double peakDb = -1.5;
};
void finishSignal(TSignal& signal, int rate, const TFinish& finish);

// Rounds to 16-bit samples, saturating at full scale.
std::vector<std::int16_t> toPcm16(const TSignal& signal);

} // namespace sound
