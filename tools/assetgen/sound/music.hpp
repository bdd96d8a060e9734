// The match music: a looping four-channel tune (drums, bass, lead, chords) in A minor at 125 BPM, speed 6.
#pragma once

#include "sound/mod_writer.hpp"

namespace sound {

TModule composeGameMusic();

} // namespace sound
