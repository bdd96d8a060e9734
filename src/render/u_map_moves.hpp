// The camera of a match: which window of the terrain is shown, and the slower background behind it.
#pragma once

#include <SDL.h>

class TMoves {
public:
    // Box kept inside the window by follow: the size of a tumbok on the map.
    static constexpr int followWidth = 16;
    static constexpr int followHeight = 50;
    static constexpr int marginX = 200;
    static constexpr int marginY = 125;
    // Pixels per unit of moveBy.
    static constexpr int moveStep = 100;

    // Any surface may be 0 x 0; a missing one simply gives a map or background of that size.
    TMoves(SDL_Surface* screen, SDL_Surface* terrain, SDL_Surface* background);

    // Moves the camera's top-left corner towards (x, y), a quarter of the way when smooth; targets past an
    // edge snap to it. True when the camera moved.
    bool setView(bool smooth, double x, double y);
    bool moveBy(double dx, double dy);
    bool centerOn(bool smooth, double x, double y);
    // Keeps a tumbok-sized box at (x, y) inside the window, with margins.
    bool follow(bool smooth, double x, double y);

    SDL_Rect screenRect;
    SDL_Rect mapRect;
    SDL_Rect backRect;
    SDL_Rect backView;
    SDL_Rect view;

private:
    void updateBackView();
};
