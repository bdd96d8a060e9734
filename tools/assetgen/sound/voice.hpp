// A small source-filter voice: a glottal pulse train with a pitch contour through moving formants.
#pragma once

#include "sound/synth.hpp"

#include <array>

namespace sound {

struct TFormant {
    double from;      // Hz at the start
    double to;        // Hz at the end
    double resonance; // Q
    double gain;
};

struct TVoiceShape {
    double seconds;
    TCurve pitch; // Hz at a time in seconds
    std::array<TFormant, 3> formants;
    double breath;    // aspiration noise mixed into the excitation
    double roughness; // 0 = clean, towards 1 = creaky, strained
    std::uint32_t seed;
};

TSignal synthesiseVoice(int rate, const TVoiceShape& shape);

} // namespace sound
