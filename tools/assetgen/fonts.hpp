// The three bitmap font strips: 95 cells (codes 32..126) of trunc(3 x height / 4) x height.
#pragma once

#include "picture_set.hpp"

constexpr int fontHeightBig = 32;
constexpr int fontHeightMedium = 21;
constexpr int fontHeightSmall = 16;

TImage renderFontStrip(int height);
void addFontPictures(TPictureSet& set);
