// Encodes a mono signal as Ogg Vorbis with libvorbisenc; a fixed stream serial keeps the bytes reproducible.
#pragma once

#include "sound/synth.hpp"

#include <cstdint>
#include <vector>

namespace sound {

std::vector<std::uint8_t> encodeOggVorbisMono(const TSignal& signal, int rate, int serial, float quality);

} // namespace sound
