// Animation sheets: the six explosion frames and the six smoke frames, stacked top to bottom.
#pragma once

#include "picture_set.hpp"

constexpr int effectFrameCount = 6;
constexpr int explosionFrameSize = 64;
constexpr int smokeFrameSize = 16;

TImage explosionFrame(int frame, int size);
TImage smokeFrame(int frame, int size);
void addEffectPictures(TPictureSet& set);
