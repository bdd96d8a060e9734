#include "render/u_basic_display.hpp"

#include "app/u_display.hpp"
#include "render/u_map_moves.hpp"

#include "resources/u_numbers.hpp"
#include "resources/u_surface_utils.hpp"

#include <algorithm>
#include <cmath>

namespace {
constexpr double farAway = 1.0e6;
}

int mapPixel(double coordinate) {
    if (std::isnan(coordinate)) {
        return static_cast<int>(farAway);
    }
    return roundHalfEven(std::clamp(coordinate, -farAway, farAway));
}

TPixelRect blendAt(SDL_Surface* picture, SDL_Surface* target, int left, int top) {
    if (picture == nullptr || target == nullptr || left >= target->w || top >= target->h ||
        left + picture->w <= 0 || top + picture->h <= 0) {
        return {};
    }
    // They meet, so both coordinates fit the 16-bit rectangle fields.
    SDL_Rect at = {static_cast<Sint16>(left), static_cast<Sint16>(top), 0, 0};
    blendSurface(picture, nullptr, target, &at);
    const int right = std::min(left + picture->w, target->w);
    const int bottom = std::min(top + picture->h, target->h);
    const int x = std::max(left, 0);
    const int y = std::max(top, 0);
    return {x, y, right - x, bottom - y};
}

TBasicDisplay::TBasicDisplay(TDisplay& display, TMoves& moves) : display(display), moves(moves) {}

SDL_Surface* TBasicDisplay::screen() const {
    return display.screen;
}

int TBasicDisplay::screenX(int mapX) const {
    return mapX - moves.view.x;
}

int TBasicDisplay::screenY(int mapY) const {
    return mapY - moves.view.y;
}

bool TBasicDisplay::isVisible(int x, int y, int width, int height) const {
    const SDL_Surface* target = screen();
    return target != nullptr && width > 0 && height > 0 && x < target->w && y < target->h && x + width > 0 &&
           y + height > 0;
}

void TBasicDisplay::blitToScreen(SDL_Surface* picture, const SDL_Rect* part, int x, int y) const {
    if (picture == nullptr) {
        return;
    }
    const int width = part != nullptr ? std::min<int>(part->w, picture->w) : picture->w;
    const int height = part != nullptr ? std::min<int>(part->h, picture->h) : picture->h;
    if (!isVisible(x, y, width, height)) {
        return;
    }
    // Visible, so both coordinates lie within a picture's size of the window and fit the 16-bit fields.
    SDL_Rect target = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_Rect source =
        part != nullptr ? *part : SDL_Rect{0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
    SDL_BlitSurface(picture, &source, screen(), &target);
}

void TBasicDisplay::fillOnScreen(int x, int y, int width, int height, Uint32 colour) const {
    if (!isVisible(x, y, width, height)) {
        return;
    }
    SDL_Surface* target = screen();
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, target->w);
    const int bottom = std::min(y + height, target->h);
    SDL_Rect area = {static_cast<Sint16>(left), static_cast<Sint16>(top), static_cast<Uint16>(right - left),
                     static_cast<Uint16>(bottom - top)};
    SDL_FillRect(target, &area, colour);
}
