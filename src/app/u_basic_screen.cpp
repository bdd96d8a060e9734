#include "app/u_basic_screen.hpp"

void setKeyRepeat(bool fast) {
    if (fast) {
        SDL_EnableKeyRepeat(1, 50);
    } else {
        SDL_EnableKeyRepeat(500, 500);
    }
}

bool pointInRect(int x, int y, int margin, const SDL_Rect& rect) {
    const int left = rect.x;
    const int top = rect.y;
    const int right = left + static_cast<int>(rect.w);
    const int bottom = top + static_cast<int>(rect.h);
    return x + margin >= left && x - margin < right && y + margin >= top && y - margin < bottom;
}

bool isQuitOrEscape(const SDL_Event& event, TScreenType& next) {
    if (event.type == SDL_QUIT) {
        next = TScreenType::ScreenQuit;
        return true;
    }
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
        next = TScreenType::ScreenNone;
        return true;
    }
    return false;
}
