#include "sound/synth.hpp"

#include <algorithm>
#include <cmath>

namespace sound {

std::size_t samplesFor(double seconds, int rate) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * rate));
}

TSignal render(int rate, double seconds, const TCurve& sampleAt) {
    TSignal out(samplesFor(seconds, rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = sampleAt(static_cast<double>(i) / rate);
    }
    return out;
}

TNoiseSource::TNoiseSource(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

double TNoiseSource::white() {
    // xorshift32: tiny, fast and fully defined on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double TNoiseSource::brown() {
    // Leaky integration keeps the walk from drifting off.
    brownLevel_ = 0.995 * brownLevel_ + 0.06 * white();
    return std::clamp(brownLevel_, -1.0, 1.0);
}

double TPhase::advance(double frequency) {
    const double current = phase_;
    phase_ += frequency / rate_;
    phase_ -= std::floor(phase_);
    return current;
}

double sineWave(double phase) {
    return std::sin(2.0 * kPi * phase);
}

double bandLimitedTriangle(double phase, double frequency, int rate) {
    double value = 0.0;
    double sign = 1.0;
    for (int k = 1; k * frequency < 0.45 * rate; k += 2) {
        value += sign * std::sin(2.0 * kPi * k * phase) / (k * k);
        sign = -sign;
    }
    return value * 8.0 / (kPi * kPi);
}

double glottalWave(double phase) {
    // Open phase rises for 60 % of the period, closes quickly over 15 %, then rests.
    constexpr double opening = 0.6;
    constexpr double closing = 0.15;
    if (phase < opening) {
        return std::sin(kPi * phase / opening) * 0.5;
    }
    if (phase < opening + closing) {
        return -std::sin(kPi * (phase - opening) / closing * 0.5) * 1.6;
    }
    return 0.0;
}

TStateVariableFilter::TOutput TStateVariableFilter::process(double input, double cutoff, double resonanceQ) {
    const double limited = std::clamp(cutoff, 10.0, 0.45 * rate_);
    const double g = std::tan(kPi * limited / rate_);
    const double k = 1.0 / std::max(0.5, resonanceQ);
    const double high = (input - (k + g) * state1_ - state2_) / (1.0 + g * (g + k));
    const double band = g * high + state1_;
    state1_ = g * high + band;
    const double low = g * band + state2_;
    state2_ = g * band + low;
    return {low, band, high};
}

double glide(double from, double to, double t) {
    return from * std::pow(to / from, std::clamp(t, 0.0, 1.0));
}

namespace {
double raisedCosine(double fraction) {
    const double clamped = std::clamp(fraction, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(kPi * clamped);
}
} // namespace

double attackDecay(double seconds, double attack, double decayTime) {
    if (seconds < attack) {
        return raisedCosine(seconds / attack);
    }
    return std::exp(-(seconds - attack) / decayTime);
}

double attackRelease(double seconds, double attack, double release, double length) {
    return raisedCosine(seconds / attack) * raisedCosine((length - seconds) / release);
}

void applyAttackRelease(TSignal& signal, int rate, double attack, double release, double length) {
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= attackRelease(static_cast<double>(i) / rate, attack, release, length);
    }
}

TSignal pluckedString(int rate, double frequency, double seconds, double damping, std::uint32_t seed) {
    TNoiseSource noise(seed);
    const std::size_t period = std::max<std::size_t>(2, samplesFor(1.0 / frequency, rate));
    std::vector<double> line(period);
    for (double& value : line) {
        value = noise.white();
    }
    TSignal out(samplesFor(seconds, rate));
    std::size_t index = 0;
    for (double& sample : out) {
        const std::size_t next = (index + 1) % period;
        sample = line[index];
        line[index] = damping * 0.5 * (line[index] + line[next]);
        index = next;
    }
    return out;
}

double peakOf(const TSignal& signal) {
    double peak = 0.0;
    for (const double sample : signal) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

void mixInto(TSignal& target, const TSignal& source, double gain, std::size_t offset) {
    if (target.size() < offset + source.size()) {
        target.resize(offset + source.size(), 0.0);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[offset + i] += gain * source[i];
    }
}

namespace {
void removeDc(TSignal& signal, int rate) {
    // One-pole high-pass around 15 Hz: inaudible, but takes out any offset.
    const double pole = std::exp(-2.0 * kPi * 15.0 / rate);
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (double& sample : signal) {
        const double out = sample - previousIn + pole * previousOut;
        previousIn = sample;
        previousOut = out;
        sample = out;
    }
}

void normalisePeak(TSignal& signal, double peakDb) {
    const double peak = peakOf(signal);
    if (peak <= 0.0) {
        return;
    }
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& sample : signal) {
        sample *= gain;
    }
}
} // namespace

void finishSignal(TSignal& signal, int rate, const TFinish& finish) {
    removeDc(signal, rate);
    const double length = static_cast<double>(signal.size()) / rate;
    applyAttackRelease(signal, rate, finish.fadeIn, finish.fadeOut, length - 1.0 / rate);
    normalisePeak(signal, finish.peakDb);
}

std::vector<std::int16_t> toPcm16(const TSignal& signal) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(signal.size());
    for (const double sample : signal) {
        const double scaled = std::clamp(std::round(sample * 32767.0), -32768.0, 32767.0);
        pcm.push_back(static_cast<std::int16_t>(scaled));
    }
    return pcm;
}

} // namespace sound
