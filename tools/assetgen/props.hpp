// Things on the battlefield that are not creatures: the explosive box, team flags, wind socks, the marker
// arrow.
#pragma once

#include "picture_set.hpp"

constexpr int teamCount = 4;
constexpr int flagBigWidth = 48;
constexpr int flagBigHeight = 32;
constexpr int flagSmallWidth = 18;
constexpr int flagSmallHeight = 12;

TImage flagPicture(int team, int width, int height);
TImage explosiveBox(float scale);
void addPropPictures(TPictureSet& set);
