// The last few event messages of a match, drawn in the top-left corner, oldest at the top.
#pragma once

#include "physics/u_physics_messages.hpp"
#include "resources/u_sdl_handles.hpp"

#include <array>
#include <string>

class TDisplay;
class TFont;

class TMessageList final : public TMessageSink {
public:
    static constexpr int capacity = 5;

    TMessageList(TDisplay& display, const TFont& font);

    // The newest message; once five are shown the oldest one is dropped.
    void add(const std::string& text) override;
    void draw() const;

    TDisplay& display;
    const TFont& font;
    std::array<SurfacePtr, capacity> lines; // a ring of slots, null when empty
    int first = -1;                         // slot of the oldest message, -1 when empty
    int last = -1;                          // slot of the newest message, -1 when empty
    SDL_Rect origin = {0, 0, 0, 0};         // where the oldest message is drawn
};
