#include "game/u_message_list.hpp"

#include "app/u_display.hpp"
#include "resources/u_font.hpp"

namespace {

int nextSlot(int slot) {
    return (slot + 1) % TMessageList::capacity;
}

} // namespace

TMessageList::TMessageList(TDisplay& display, const TFont& font) : display(display), font(font) {}

void TMessageList::add(const std::string& text) {
    if (first < 0) {
        first = 0;
        last = 0;
    } else {
        last = nextSlot(last);
        if (last == first) {
            first = nextSlot(first);
        }
    }
    lines[static_cast<std::size_t>(last)] = font.renderText(text, TSize::SizeSmall, 0);
}

void TMessageList::draw() const {
    SDL_Surface* screen = display.screen;
    if (first < 0 || screen == nullptr) {
        return;
    }
    int y = origin.y;
    int slot = first;
    for (int shown = 0; shown < capacity; ++shown) {
        SDL_Surface* line = lines[static_cast<std::size_t>(slot)].get();
        // Past the bottom of the window a 16-bit position would wrap; nothing more can be seen anyway.
        if (line == nullptr || y >= screen->h) {
            break;
        }
        SDL_Rect position = {origin.x, static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(line, nullptr, screen, &position);
        y += line->h;
        if (slot == last) {
            break;
        }
        slot = nextSlot(slot);
    }
}
