// TEMPORARY first screen, until the main menu exists: shows the three font sizes, leaves on Escape or close.
#pragma once

#include "app/u_basic_screen.hpp"

class TFontSamplerScreen final : public TBasicScreen {
public:
    using TBasicScreen::TBasicScreen;
    TScreenType run() override;

private:
    void draw() const;
    bool handle(const SDL_Event& event, TScreenType& next) const;
};
