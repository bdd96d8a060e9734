// What every map-object display shares: the window it draws into and the camera that places things.
#pragma once

#include "model/u_data_objects.hpp"

#include <SDL.h>

class TDisplay;
class TMoves;

// A map coordinate as a pixel, rounded halves to even; values far outside any map (or not numbers) are held
// at a distance where they are simply off screen, so nothing overflows.
int mapPixel(double coordinate);
// Blends a picture into a surface with its top-left at (left, top); nothing when they do not meet. Gives the
// part of the surface it covered.
TPixelRect blendAt(SDL_Surface* picture, SDL_Surface* target, int left, int top);

class TBasicDisplay {
public:
    TBasicDisplay(TDisplay& display, TMoves& moves);

    TDisplay& display;
    TMoves& moves;

protected:
    ~TBasicDisplay() = default;

    SDL_Surface* screen() const;
    // Screen position of a map pixel.
    int screenX(int mapX) const;
    int screenY(int mapY) const;
    // Whether a screen rectangle given in plain integers touches the window at all.
    bool isVisible(int x, int y, int width, int height) const;
    // Blits a picture (or a part of it) with its top-left at a screen point; positions far outside the
    // window and missing pictures draw nothing instead of wrapping the 16-bit rectangle fields.
    void blitToScreen(SDL_Surface* picture, const SDL_Rect* part, int x, int y) const;
    // Fills a screen rectangle, clipped to the window.
    void fillOnScreen(int x, int y, int width, int height, Uint32 colour) const;
};
