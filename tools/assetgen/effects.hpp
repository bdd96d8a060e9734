// Animation sheets: the six explosion frames and the six smoke frames, stacked top to bottom.
#pragma once

#include "picture_set.hpp"

void addEffectPictures(TPictureSet& set);
