// Things on the battlefield that are not creatures: the explosive box, team flags, wind socks, the marker
// arrow.
#pragma once

#include "picture_set.hpp"

void addPropPictures(TPictureSet& set);
