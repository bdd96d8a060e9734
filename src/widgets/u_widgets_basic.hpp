// The widget contract: a rectangle with its own picture, fed raw SDL events by its owner.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <SDL.h>

#include <cstdint>

enum class TWidgetType : std::uint8_t {
    WidgetBasic = 0,
    WidgetNumeric = 1,
    WidgetPacker = 2,
    WidgetBinary = 3,
    WidgetButton = 4,
    WidgetBasicMenu = 5
};

class TWidgetBasic {
public:
    TWidgetBasic(int width, int height);
    virtual ~TWidgetBasic() = default;
    TWidgetBasic(const TWidgetBasic&) = delete;
    TWidgetBasic& operator=(const TWidgetBasic&) = delete;

    // Lit at full opacity, or dimmed to 100/255 when blitted.
    virtual void setActive(bool state);
    virtual void draw() = 0;
    // True when the event concerned the widget: a click on it (right and bottom edges included) or any key.
    virtual bool handleEvent(const SDL_Event& event);

    void setPosition(int x, int y);
    // The event with its mouse position made relative to this widget, wrapping like 16-bit unsigned values.
    SDL_Event localEvent(const SDL_Event& event) const;

    bool active = false;
    TWidgetType widgetType = TWidgetType::WidgetBasic;
    SurfacePtr surface;
    SDL_Rect rect;
};

bool isKeyPress(const SDL_Event& event, SDLKey key);
bool isMousePress(const SDL_Event& event);

// Blits a whole source at (x, y) without letting SDL clip the caller's rectangle; positions saturate at 16
// bits.
void blitAt(SDL_Surface* source, SDL_Surface* destination, int x, int y);
// Fills a rectangle given in plain integers; empty or negative sizes fill nothing.
void fillArea(SDL_Surface* destination, int x, int y, int width, int height, Uint32 colour);
