// Menu and widget pictures: button faces with their symbols, toggle pictures and the cross,
// the escape-menu panel and the calm background of the option screens.
#pragma once

#include "picture_set.hpp"

constexpr int togglePictureSize = 128;

// A rounded button face on black (the widgets clear to black): vertical gradient, lighter top edge, outline.
TImage buttonFace(int width, int height, const TColour& colour);
void addUiPictures(TPictureSet& set);
