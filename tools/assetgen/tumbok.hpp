// The tumbok: a round belly-and-head creature drawn from shapes at any scale, and its sprite sheets.
#pragma once

#include "picture_set.hpp"

// Draws a tumbok facing right into the picture, its body's top-left at (x, y), scale 1 = sprite size.
// The legs take the walking step (0..7); the whole creature is 16 x 50 units.
void drawTumbokBody(TImage& image, float x, float y, float scale);
void drawTumbok(TImage& image, float x, float y, float scale, int step);

void addTumbokPictures(TPictureSet& set);
