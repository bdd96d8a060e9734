#include "widgets/u_widgets_basic.hpp"

#include "resources/u_surface_utils.hpp"

#include <algorithm>

namespace {

Sint16 toCoordinate(int value) {
    return static_cast<Sint16>(std::clamp(value, -0x8000, 0x7FFF));
}
Uint16 toExtent(int value) {
    return static_cast<Uint16>(std::clamp(value, 0, 0xFFFF));
}

} // namespace

TWidgetBasic::TWidgetBasic(int width, int height) : surface(createSurface(width, height, false)) {
    rect = {0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
}

void TWidgetBasic::setActive(bool state) {
    active = state;
    SDL_SetAlpha(surface.get(), SDL_SRCALPHA, state ? 255 : 100);
}

bool TWidgetBasic::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        const SDL_Event local = localEvent(event);
        if (local.button.x <= rect.w && local.button.y <= rect.h) {
            return true;
        }
    }
    return event.type == SDL_KEYDOWN;
}

void TWidgetBasic::setPosition(int x, int y) {
    rect.x = toCoordinate(x);
    rect.y = toCoordinate(y);
}

// Only the events that carry a pointer position are touched: the same bytes of a key event hold its scan
// code.
SDL_Event TWidgetBasic::localEvent(const SDL_Event& event) const {
    SDL_Event local = event;
    const auto shift = [](Uint16& coordinate, Sint16 origin) {
        coordinate = static_cast<Uint16>(coordinate - static_cast<Uint16>(origin));
    };
    if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
        shift(local.button.x, rect.x);
        shift(local.button.y, rect.y);
    } else if (event.type == SDL_MOUSEMOTION) {
        shift(local.motion.x, rect.x);
        shift(local.motion.y, rect.y);
    }
    return local;
}

bool isKeyPress(const SDL_Event& event, SDLKey key) {
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == key;
}

bool isMousePress(const SDL_Event& event) {
    return event.type == SDL_MOUSEBUTTONDOWN;
}

void blitAt(SDL_Surface* source, SDL_Surface* destination, int x, int y) {
    SDL_Rect target = {toCoordinate(x), toCoordinate(y), 0, 0};
    SDL_BlitSurface(source, nullptr, destination, &target);
}

void fillArea(SDL_Surface* destination, int x, int y, int width, int height, Uint32 colour) {
    if (width <= 0 || height <= 0) {
        return;
    }
    SDL_Rect area = {toCoordinate(x), toCoordinate(y), toExtent(width), toExtent(height)};
    SDL_FillRect(destination, &area, colour);
}
