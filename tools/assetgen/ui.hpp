// Menu and widget pictures: button faces with their symbols, toggle pictures and the cross,
// the escape-menu panel and the calm background of the option screens.
#pragma once

#include "picture_set.hpp"

void addUiPictures(TPictureSet& set);
