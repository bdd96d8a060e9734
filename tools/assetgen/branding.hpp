// The game's own face: logo, window icon, loading picture, main-menu background and menu pictures.
#pragma once

#include "picture_set.hpp"

void addBrandingPictures(TPictureSet& set);
