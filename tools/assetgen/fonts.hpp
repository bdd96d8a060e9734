// The three bitmap font strips: 95 cells (codes 32..126) of trunc(3 x height / 4) x height.
#pragma once

#include "picture_set.hpp"

void addFontPictures(TPictureSet& set);
