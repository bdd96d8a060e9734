#include "menus/u_font_sampler_screen.hpp"

#include "app/u_display.hpp"
#include "resources/u_font.hpp"

#include <array>

bool TFontSamplerScreen::handle(const SDL_Event& event, TScreenType& next) const {
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

void TFontSamplerScreen::draw() const {
    SDL_Surface* screen = display.screen;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0x2a, 0x3a, 0x5a));
    const std::array<std::pair<TSize, const char*>, 3> samples = {{
        {TSize::SizeBig, "Morvatek - big"},
        {TSize::SizeMedium, "The quick brown fox jumps over the lazy tumbok - medium"},
        {TSize::SizeSmall, "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ - small"},
    }};
    int y = 60;
    for (const auto& [size, text] : samples) {
        const SurfacePtr line = font.renderText(text, size, 0);
        SDL_Rect position = {40, static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(line.get(), nullptr, screen, &position);
        y += line->h + 24;
    }
    const SurfacePtr hint = font.renderText("Press Escape to quit", TSize::SizeSmall, 0);
    SDL_Rect position = {40, static_cast<Sint16>(screen->h - 40), 0, 0};
    SDL_BlitSurface(hint.get(), nullptr, screen, &position);
}

TScreenType TFontSamplerScreen::run() {
    setKeyRepeat(false);
    TScreenType next = TScreenType::ScreenNone;
    bool leaving = false;
    while (!leaving) {
        SDL_Event event;
        while (!leaving && SDL_PollEvent(&event)) {
            leaving = handle(event, next);
        }
        draw();
        SDL_UpdateRect(display.screen, 0, 0, 0, 0);
        SDL_Delay(frameDelayMs);
    }
    return next;
}
