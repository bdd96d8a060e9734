// The game's sound effects, each synthesised from noise, oscillators and filters at kEffectRate.
#pragma once

#include "sound/synth.hpp"

namespace sound {

// The mixer's own rate, so SDL never resamples the effects.
inline constexpr int kEffectRate = 44100;

TSignal makeJump();
TSignal makeFire();
TSignal makeArrow();
TSignal makePlant();
TSignal makeExplosion();
TSignal makeBounce();
TSignal makeThrow();
TSignal makeVoiceOuch();
TSignal makeVoiceAie();
TSignal makeEffortGrunt();

} // namespace sound
