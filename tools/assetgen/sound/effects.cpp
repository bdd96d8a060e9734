#include "sound/effects.hpp"

#include "sound/voice.hpp"

#include <cmath>
#include <functional>

namespace sound {

namespace {

constexpr int kRate = kEffectRate;

double timeOf(std::size_t index) {
    return static_cast<double>(index) / kRate;
}

// Fills a signal of the given length from a function of time.
TSignal render(double seconds, const std::function<double(double)>& sampleAt) {
    TSignal out(samplesFor(seconds, kRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = sampleAt(timeOf(i));
    }
    return out;
}

// A sine whose pitch follows a function of time.
TSignal sweptSine(double seconds, const std::function<double(double)>& frequency,
                  const std::function<double(double)>& envelope) {
    TPhase phase(kRate);
    return render(seconds, [&](double t) { return sineWave(phase.advance(frequency(t))) * envelope(t); });
}

// Noise through a band-pass of moving centre, normalised to unity gain at the centre.
TSignal bandNoise(double seconds, std::uint32_t seed, double resonance,
                  const std::function<double(double)>& centre,
                  const std::function<double(double)>& envelope) {
    TNoiseSource noise(seed);
    TStateVariableFilter filter(kRate);
    return render(seconds, [&](double t) {
        return filter.process(noise.white(), centre(t), resonance).band / resonance * envelope(t);
    });
}

// Noise through a low-pass of moving cutoff.
TSignal lowNoise(double seconds, std::uint32_t seed, const std::function<double(double)>& cutoff,
                 const std::function<double(double)>& envelope) {
    TNoiseSource noise(seed);
    TStateVariableFilter filter(kRate);
    return render(seconds,
                  [&](double t) { return filter.process(noise.white(), cutoff(t), 0.8).low * envelope(t); });
}

// A struck body: a few damped partials (modal synthesis).
struct TPartial {
    double frequency;
    double decay;
    double gain;
};
TSignal struck(double seconds, std::initializer_list<TPartial> partials) {
    TSignal out(samplesFor(seconds, kRate));
    for (const TPartial& partial : partials) {
        mixInto(out,
                sweptSine(
                    seconds, [&](double) { return partial.frequency; },
                    [&](double t) { return attackDecay(t, 0.002, partial.decay); }),
                partial.gain);
    }
    return out;
}

// Gentle saturation: rounds off peaks and adds weight without hard clipping.
void saturate(TSignal& signal, double drive) {
    const double norm = std::tanh(drive);
    for (double& sample : signal) {
        sample = std::tanh(drive * sample) / norm;
    }
}

TSignal finished(TSignal signal, const TFinish& finish) {
    finishSignal(signal, kRate, finish);
    return signal;
}

} // namespace

// A voice of the given shape under an attack and release envelope ending at `end` seconds.
TSignal shapedVoice(const TVoiceShape& shape, double attack, double release, double end) {
    TSignal out = synthesiseVoice(kRate, shape);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] *= attackRelease(timeOf(i), attack, release, end);
    }
    return out;
}

TSignal makeJump() {
    constexpr double length = 0.22;
    TPhase phase(kRate);
    TSignal out = render(length, [&](double t) {
        // The rise ends in a little overshoot wobble: a springy "boing" rather than a siren.
        const double pitch =
            t < 0.15 ? glide(300.0, 700.0, t / 0.15) : 700.0 * (1.0 + 0.03 * std::sin(60.0 * t));
        return bandLimitedTriangle(phase.advance(pitch), pitch, kRate) *
               attackRelease(t, 0.004, 0.08, length);
    });
    return finished(std::move(out), {0.004, 0.03, -4.0});
}

TSignal makeFire() {
    constexpr double length = 0.85;
    TSignal out = sweptSine(
        length, [](double t) { return glide(160.0, 45.0, t / 0.25); },
        [](double t) { return attackDecay(t, 0.003, 0.09); });
    mixInto(out,
            lowNoise(
                length, 11, [](double t) { return glide(3200.0, 250.0, t / 0.3); },
                [](double t) { return attackDecay(t, 0.003, 0.08); }),
            1.1);
    // The rocket's hiss, a narrow band falling in pitch as it flies off.
    mixInto(out,
            bandNoise(
                length, 12, 4.0, [](double t) { return glide(3400.0, 900.0, t / length); },
                [](double t) { return attackRelease(t, 0.04, 0.45, length); }),
            0.5);
    saturate(out, 1.6);
    return finished(std::move(out), {0.003, 0.15, -1.5});
}

TSignal makeArrow() {
    constexpr double length = 0.45;
    // The bowstring's twang, low-passed so it thrums rather than buzzes.
    TSignal twang = pluckedString(kRate, 98.0, 0.3, 0.995, 21);
    TStateVariableFilter soften(kRate);
    for (std::size_t i = 0; i < twang.size(); ++i) {
        twang[i] = soften.process(twang[i], 1400.0, 0.7).low * attackRelease(timeOf(i), 0.002, 0.1, 0.3);
    }
    TSignal out = bandNoise(
        length, 22, 2.5,
        [](double t) {
            return t < 0.12 ? glide(1200.0, 3600.0, t / 0.12) : glide(3600.0, 1700.0, (t - 0.12) / 0.33);
        },
        [](double t) { return attackRelease(t, 0.07, 0.3, length); });
    mixInto(out, twang, 0.45);
    return finished(std::move(out), {0.003, 0.05, -3.0});
}

TSignal makePlant() {
    constexpr double length = 0.28;
    TSignal out =
        struck(length, {{190.0, 0.06, 1.0}, {430.0, 0.035, 0.6}, {790.0, 0.02, 0.4}, {1370.0, 0.012, 0.25}});
    mixInto(out,
            bandNoise(
                0.05, 31, 1.5, [](double) { return 1100.0; },
                [](double t) { return attackDecay(t, 0.002, 0.008); }),
            0.9);
    // The shaft quivering in the ground after the hit.
    TPhase shaft(kRate);
    mixInto(out,
            render(length,
                   [&](double t) {
                       return sineWave(shaft.advance(260.0)) * std::abs(std::sin(2.0 * kPi * 14.0 * t)) *
                              attackDecay(t, 0.01, 0.07);
                   }),
            0.3);
    return finished(std::move(out), {0.002, 0.04, -3.0});
}

TSignal makeExplosion() {
    constexpr double length = 1.4;
    TSignal out = lowNoise(
        length, 41, [](double t) { return glide(4000.0, 200.0, t / 1.0); },
        [](double t) { return attackDecay(t, 0.004, 0.32); });
    mixInto(out,
            sweptSine(
                length, [](double t) { return glide(60.0, 40.0, t / 0.5); },
                [](double t) { return attackDecay(t, 0.004, 0.22); }),
            0.9);
    // A sharp crack on top and a long rumble below.
    mixInto(out,
            bandNoise(
                0.08, 42, 0.9, [](double) { return 3000.0; },
                [](double t) { return attackDecay(t, 0.002, 0.015); }),
            0.7);
    TNoiseSource rumbleNoise(43);
    TStateVariableFilter rumbleFilter(kRate);
    mixInto(out,
            render(length,
                   [&](double t) {
                       return rumbleFilter.process(rumbleNoise.brown(), 160.0, 0.7).low *
                              attackDecay(t, 0.03, 0.5);
                   }),
            2.0);
    saturate(out, 1.5);
    return finished(std::move(out), {0.003, 0.3, -1.5});
}

TSignal makeBounce() {
    constexpr double length = 0.32;
    TPhase body(kRate);
    TPhase ring(kRate);
    TSignal out = render(length, [&](double t) {
        const double pitch = glide(150.0, 95.0, t / 0.3);
        return sineWave(body.advance(pitch)) * attackDecay(t, 0.002, 0.07) +
               0.4 * sineWave(ring.advance(2.76 * pitch)) * attackDecay(t, 0.002, 0.025);
    });
    mixInto(out,
            bandNoise(
                0.04, 51, 1.2, [](double) { return 2500.0; },
                [](double t) { return attackDecay(t, 0.002, 0.006); }),
            0.6);
    return finished(std::move(out), {0.002, 0.04, -3.0});
}

TSignal makeThrow() {
    constexpr double length = 0.4;
    TSignal out = bandNoise(
        length, 61, 1.8,
        [](double t) {
            return t < 0.18 ? glide(500.0, 1400.0, t / 0.18) : glide(1400.0, 600.0, (t - 0.18) / 0.22);
        },
        [](double t) { return attackRelease(t, 0.08, 0.2, length); });
    mixInto(out,
            sweptSine(
                0.3, [](double t) { return glide(120.0, 70.0, t / 0.3); },
                [](double t) { return attackRelease(t, 0.02, 0.15, 0.3); }),
            0.25);
    return finished(std::move(out), {0.004, 0.04, -4.0});
}

TSignal makeVoiceOuch() {
    constexpr double length = 0.5;
    TVoiceShape shape{length,
                      [](double t) {
                          return t < 0.08 ? glide(330.0, 420.0, t / 0.08)
                                          : glide(420.0, 220.0, (t - 0.08) / 0.4);
                      },
                      {TFormant{750.0, 350.0, 6.0, 1.0}, TFormant{1250.0, 800.0, 8.0, 0.6},
                       TFormant{2600.0, 2500.0, 10.0, 0.25}},
                      0.04,
                      0.1,
                      71};
    TSignal out = shapedVoice(shape, 0.015, 0.15, 0.4);
    // The closing "ch".
    mixInto(out,
            bandNoise(
                0.12, 72, 2.0, [](double) { return 3500.0; },
                [](double t) { return attackRelease(t, 0.03, 0.06, 0.12); }),
            0.12, samplesFor(0.36, kRate));
    return finished(std::move(out), {0.01, 0.04, -3.0});
}

TSignal makeVoiceAie() {
    constexpr double length = 0.42;
    TVoiceShape shape{length,
                      [](double t) {
                          return t < 0.06 ? glide(480.0, 540.0, t / 0.06)
                                          : glide(540.0, 300.0, (t - 0.06) / 0.36);
                      },
                      {TFormant{820.0, 320.0, 6.0, 1.0}, TFormant{1300.0, 2300.0, 9.0, 0.55},
                       TFormant{2800.0, 3000.0, 10.0, 0.2}},
                      0.05,
                      0.05,
                      81};
    TSignal out = shapedVoice(shape, 0.012, 0.14, length);
    return finished(std::move(out), {0.01, 0.04, -3.0});
}

TSignal makeEffortGrunt() {
    constexpr double length = 0.48;
    TVoiceShape shape{length,
                      [](double t) {
                          return t < 0.1 ? glide(130.0, 155.0, t / 0.1)
                                         : glide(155.0, 115.0, (t - 0.1) / 0.38);
                      },
                      {TFormant{520.0, 420.0, 5.0, 1.0}, TFormant{1050.0, 900.0, 7.0, 0.5},
                       TFormant{260.0, 240.0, 4.0, 0.6}},
                      0.08,
                      0.45,
                      91};
    TSignal out = shapedVoice(shape, 0.03, 0.18, length);
    // The breath pushed out before the voice catches.
    mixInto(out,
            bandNoise(
                0.1, 92, 1.0, [](double) { return 1200.0; },
                [](double t) { return attackRelease(t, 0.02, 0.06, 0.1); }),
            0.25);
    return finished(std::move(out), {0.01, 0.05, -3.0});
}

} // namespace sound
