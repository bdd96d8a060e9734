// The push button: a picture and a caption side by side; its owner acts when it answers true.
#pragma once

#include "widgets/u_widgets_basic.hpp"

#include <string>

class TFont;

class TWidgetButton : public TWidgetBasic {
public:
    TWidgetButton(int width, int height, const std::string& imageName, const std::string& caption,
                  const TFont& font);

    void draw() override;
    // A click on the button, or Return wherever the pointer is.
    bool handleEvent(const SDL_Event& event) override;

    SurfacePtr image;
    SurfacePtr textSurface;
};
