// The on/off toggle: a picture crossed out while the bound boolean is false, with its caption below.
#pragma once

#include "widgets/u_widgets_basic.hpp"

#include <string>

class TFont;

class TWidgetBinary : public TWidgetBasic {
public:
    TWidgetBinary(int width, int height, const std::string& imageName, const std::string& caption,
                  bool* value, const TFont& font);

    void draw() override;
    // Return or a click on the toggle flips the bound boolean.
    bool handleEvent(const SDL_Event& event) override;

    bool* value;
    SurfacePtr image;
    SurfacePtr textSurface;
    SurfacePtr cross;
};
