#include "sound/effects.hpp"

#include "sound/voice.hpp"

#include <array>
#include <cmath>

namespace sound {

namespace {

constexpr int kRate = kEffectRate;

TCurve constant(double value) {
    return [value](double) { return value; };
}

TCurve gliding(double from, double to, double seconds) {
    return [=](double t) { return glide(from, to, t / seconds); };
}

// Glides to `via` over the first `turn` seconds, then on to `to` over the next `rest` seconds.
TCurve glidingVia(double from, double via, double to, double turn, double rest) {
    return
        [=](double t) { return t < turn ? glide(from, via, t / turn) : glide(via, to, (t - turn) / rest); };
}

TCurve decaying(double attack, double decay) {
    return [=](double t) { return attackDecay(t, attack, decay); };
}

TCurve swelling(double attack, double release, double end) {
    return [=](double t) { return attackRelease(t, attack, release, end); };
}

// A sine whose pitch follows a function of time.
TSignal sweptSine(double seconds, const TCurve& frequency, const TCurve& envelope) {
    TPhase phase(kRate);
    return render(kRate, seconds,
                  [&](double t) { return sineWave(phase.advance(frequency(t))) * envelope(t); });
}

// Noise through a band-pass of moving centre, normalised to unity gain at the centre.
TSignal bandNoise(double seconds, std::uint32_t seed, double resonance, const TCurve& centre,
                  const TCurve& envelope) {
    TNoiseSource noise(seed);
    TStateVariableFilter filter(kRate);
    return render(kRate, seconds, [&](double t) {
        return filter.process(noise.white(), centre(t), resonance).band / resonance * envelope(t);
    });
}

// Noise through a low-pass of moving cutoff.
TSignal lowNoise(double seconds, std::uint32_t seed, const TCurve& cutoff, const TCurve& envelope) {
    TNoiseSource noise(seed);
    TStateVariableFilter filter(kRate);
    return render(kRate, seconds,
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
        mixInto(out, sweptSine(seconds, constant(partial.frequency), decaying(0.002, partial.decay)),
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

// A voice of the given shape under an attack and release envelope ending at `end` seconds.
TSignal shapedVoice(const TVoiceShape& shape, double attack, double release, double end) {
    TSignal out = synthesiseVoice(kRate, shape);
    applyAttackRelease(out, kRate, attack, release, end);
    return out;
}

} // namespace

TSignal makeJump() {
    constexpr double length = 0.22;
    TPhase phase(kRate);
    TSignal out = render(kRate, length, [&](double t) {
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
    TSignal out = sweptSine(length, gliding(160.0, 45.0, 0.25), decaying(0.003, 0.09));
    mixInto(out, lowNoise(length, 11, gliding(3200.0, 250.0, 0.3), decaying(0.003, 0.08)), 1.1);
    // The rocket's hiss, a narrow band falling in pitch as it flies off.
    mixInto(out, bandNoise(length, 12, 4.0, gliding(3400.0, 900.0, length), swelling(0.04, 0.45, length)),
            0.5);
    saturate(out, 1.6);
    return finished(std::move(out), {0.003, 0.15, -1.5});
}

TSignal makeArrow() {
    constexpr double length = 0.45;
    // The bowstring's twang, low-passed so it thrums rather than buzzes.
    TSignal twang = pluckedString(kRate, 98.0, 0.3, 0.995, 21);
    TStateVariableFilter soften(kRate);
    for (double& sample : twang) {
        sample = soften.process(sample, 1400.0, 0.7).low;
    }
    applyAttackRelease(twang, kRate, 0.002, 0.1, 0.3);
    TSignal out = bandNoise(length, 22, 2.5, glidingVia(1200.0, 3600.0, 1700.0, 0.12, 0.33),
                            swelling(0.07, 0.3, length));
    mixInto(out, twang, 0.45);
    return finished(std::move(out), {0.003, 0.05, -3.0});
}

TSignal makePlant() {
    constexpr double length = 0.28;
    TSignal out =
        struck(length, {{190.0, 0.06, 1.0}, {430.0, 0.035, 0.6}, {790.0, 0.02, 0.4}, {1370.0, 0.012, 0.25}});
    mixInto(out, bandNoise(0.05, 31, 1.5, constant(1100.0), decaying(0.002, 0.008)), 0.9);
    // The shaft quivering in the ground after the hit.
    TPhase shaft(kRate);
    const TSignal quiver = render(kRate, length, [&](double t) {
        return sineWave(shaft.advance(260.0)) * std::abs(std::sin(2.0 * kPi * 14.0 * t)) *
               attackDecay(t, 0.01, 0.07);
    });
    mixInto(out, quiver, 0.3);
    return finished(std::move(out), {0.002, 0.04, -3.0});
}

TSignal makeExplosion() {
    constexpr double length = 1.4;
    TSignal out = lowNoise(length, 41, gliding(4000.0, 200.0, 1.0), decaying(0.004, 0.32));
    mixInto(out, sweptSine(length, gliding(60.0, 40.0, 0.5), decaying(0.004, 0.22)), 0.9);
    // A sharp crack on top and a long rumble below.
    mixInto(out, bandNoise(0.08, 42, 0.9, constant(3000.0), decaying(0.002, 0.015)), 0.7);
    TNoiseSource rumbleNoise(43);
    TStateVariableFilter rumbleFilter(kRate);
    const TSignal rumble = render(kRate, length, [&](double t) {
        return rumbleFilter.process(rumbleNoise.brown(), 160.0, 0.7).low * attackDecay(t, 0.03, 0.5);
    });
    mixInto(out, rumble, 2.0);
    saturate(out, 1.5);
    return finished(std::move(out), {0.003, 0.3, -1.5});
}

TSignal makeBounce() {
    constexpr double length = 0.32;
    TPhase body(kRate);
    TPhase ring(kRate);
    TSignal out = render(kRate, length, [&](double t) {
        const double pitch = glide(150.0, 95.0, t / 0.3);
        return sineWave(body.advance(pitch)) * attackDecay(t, 0.002, 0.07) +
               0.4 * sineWave(ring.advance(2.76 * pitch)) * attackDecay(t, 0.002, 0.025);
    });
    mixInto(out, bandNoise(0.04, 51, 1.2, constant(2500.0), decaying(0.002, 0.006)), 0.6);
    return finished(std::move(out), {0.002, 0.04, -3.0});
}

TSignal makeThrow() {
    constexpr double length = 0.4;
    TSignal out =
        bandNoise(length, 61, 1.8, glidingVia(500.0, 1400.0, 600.0, 0.18, 0.22), swelling(0.08, 0.2, length));
    mixInto(out, sweptSine(0.3, gliding(120.0, 70.0, 0.3), swelling(0.02, 0.15, 0.3)), 0.25);
    return finished(std::move(out), {0.004, 0.04, -4.0});
}

TSignal makeVoiceOuch() {
    constexpr double length = 0.5;
    const std::array formants{TFormant{750.0, 350.0, 6.0, 1.0}, TFormant{1250.0, 800.0, 8.0, 0.6},
                              TFormant{2600.0, 2500.0, 10.0, 0.25}};
    const TVoiceShape shape{length, glidingVia(330.0, 420.0, 220.0, 0.08, 0.4), formants, 0.04, 0.1, 71};
    TSignal out = shapedVoice(shape, 0.015, 0.15, 0.4);
    // The closing "ch".
    mixInto(out, bandNoise(0.12, 72, 2.0, constant(3500.0), swelling(0.03, 0.06, 0.12)), 0.12,
            samplesFor(0.36, kRate));
    return finished(std::move(out), {0.01, 0.04, -3.0});
}

TSignal makeVoiceAie() {
    constexpr double length = 0.42;
    const std::array formants{TFormant{820.0, 320.0, 6.0, 1.0}, TFormant{1300.0, 2300.0, 9.0, 0.55},
                              TFormant{2800.0, 3000.0, 10.0, 0.2}};
    const TVoiceShape shape{length, glidingVia(480.0, 540.0, 300.0, 0.06, 0.36), formants, 0.05, 0.05, 81};
    return finished(shapedVoice(shape, 0.012, 0.14, length), {0.01, 0.04, -3.0});
}

TSignal makeEffortGrunt() {
    constexpr double length = 0.48;
    const std::array formants{TFormant{520.0, 420.0, 5.0, 1.0}, TFormant{1050.0, 900.0, 7.0, 0.5},
                              TFormant{260.0, 240.0, 4.0, 0.6}};
    const TVoiceShape shape{length, glidingVia(130.0, 155.0, 115.0, 0.1, 0.38), formants, 0.08, 0.45, 91};
    TSignal out = shapedVoice(shape, 0.03, 0.18, length);
    // The breath pushed out before the voice catches.
    mixInto(out, bandNoise(0.1, 92, 1.0, constant(1200.0), swelling(0.02, 0.06, 0.1)), 0.25);
    return finished(std::move(out), {0.01, 0.05, -3.0});
}

} // namespace sound
