// Symbols drawn inside buttons, toggles and menu pictures, each centred on a point at a given size.
#pragma once

#include "image.hpp"

void drawGear(TImage& image, float cx, float cy, float size);
void drawNote(TImage& image, float cx, float cy, float size);
void drawSpeaker(TImage& image, float cx, float cy, float size);
void drawScreenCorners(TImage& image, float cx, float cy, float size);
void drawMouse(TImage& image, float cx, float cy, float size);
void drawGlobe(TImage& image, float cx, float cy, float size);
void drawDoor(TImage& image, float cx, float cy, float size);
void drawCheck(TImage& image, float cx, float cy, float size);
void drawCross(TImage& image, float cx, float cy, float size, const TColour& colour);
void drawTriangle(TImage& image, float cx, float cy, float size, bool up);
void drawBackArrow(TImage& image, float cx, float cy, float size);
