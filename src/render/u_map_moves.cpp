#include "render/u_map_moves.hpp"

#include "resources/u_numbers.hpp"

#include <algorithm>

namespace {

SDL_Rect clipRectOf(SDL_Surface* surface) {
    SDL_Rect rect = {0, 0, 0, 0};
    if (surface != nullptr) {
        SDL_GetClipRect(surface, &rect);
    }
    return rect;
}

// One axis of setView. A map no larger than the window on this axis has only the position 0.
int cameraAxis(bool smooth, double target, int camera, int mapSize, int screenSize) {
    // The camera lives in the signed 16-bit fields of an SDL rectangle.
    const int highest = std::clamp(mapSize - screenSize, 0, 32767);
    if (target < 0.0) {
        return 0;
    }
    if (target > highest) {
        return highest;
    }
    if (smooth) {
        return std::clamp(roundHalfEven((target + 3.0 * camera) / 4.0), 0, highest);
    }
    return std::clamp(roundHalfEven(target), 0, highest);
}

// The background moves in proportion to the camera; without room to move on either picture it stays at 0.
int parallaxAxis(int camera, int mapSize, int backSize, int screenSize) {
    const int mapRange = mapSize - screenSize;
    const int backRange = backSize - screenSize;
    if (mapRange <= 0 || backRange <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<long long>(backRange) * camera / mapRange);
}

// The follow rule on one axis: a box of `size` at `position` stays `margin` pixels inside the window.
double followAxis(double position, int size, int camera, int screenSize, int margin) {
    if (position < camera + margin) {
        return roundHalfEven(position) - margin;
    }
    if (position + size > camera + screenSize - margin) {
        return roundHalfEven(position) - screenSize + margin + size;
    }
    return camera;
}

} // namespace

TMoves::TMoves(SDL_Surface* screen, SDL_Surface* terrain, SDL_Surface* background)
    : screenRect(clipRectOf(screen)), mapRect(clipRectOf(terrain)),
      backRect(clipRectOf(background)), backView{0, 0, screenRect.w, screenRect.h}, view{0, 0, screenRect.w,
                                                                                         screenRect.h} {
    centerOn(false, screenRect.w / 2, screenRect.h / 2);
    updateBackView();
}

bool TMoves::setView(bool smooth, double x, double y) {
    const int oldX = view.x;
    const int oldY = view.y;
    view.x = static_cast<Sint16>(cameraAxis(smooth, x, view.x, mapRect.w, screenRect.w));
    view.y = static_cast<Sint16>(cameraAxis(smooth, y, view.y, mapRect.h, screenRect.h));
    updateBackView();
    return view.x != oldX || view.y != oldY;
}

bool TMoves::moveBy(double dx, double dy) {
    return setView(false, view.x + moveStep * dx, view.y + moveStep * dy);
}

bool TMoves::centerOn(bool smooth, double x, double y) {
    return setView(smooth, x - screenRect.w / 2, y - screenRect.h / 2);
}

bool TMoves::follow(bool smooth, double x, double y) {
    return setView(smooth, followAxis(x, followWidth, view.x, screenRect.w, marginX),
                   followAxis(y, followHeight, view.y, screenRect.h, marginY));
}

void TMoves::updateBackView() {
    backView.x = static_cast<Sint16>(parallaxAxis(view.x, mapRect.w, backRect.w, screenRect.w));
    backView.y = static_cast<Sint16>(parallaxAxis(view.y, mapRect.h, backRect.h, screenRect.h));
}
