// The module's own 8-bit instruments: drums recorded to play at C-3, pitched samples tuned so C-2 is a tone.
#pragma once

#include "sound/mod_writer.hpp"

namespace sound {

// Sample numbers in the module, from 1.
enum class TInstrument : std::uint8_t { Kick = 1, Snare, Hat, Bass, Lead, Pad };

// All six, in sample-number order.
std::vector<TModSample> makeInstruments();

} // namespace sound
