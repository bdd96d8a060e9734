// The one place that knows every screen class of the game.
#include "app/u_screen_stack.hpp"

#include "menus/u_font_sampler_screen.hpp"

#include <iostream>

std::unique_ptr<TBasicScreen> createGameScreen(TScreenType type, TDisplay& display, TContext& context,
                                               TFont& font, TNoise& noise) {
    switch (type) {
    case TScreenType::ScreenMainMenu:
        return std::make_unique<TFontSamplerScreen>(display, context, font, noise); // TEMPORARY
    default:
        break;
    }
    return nullptr;
}
