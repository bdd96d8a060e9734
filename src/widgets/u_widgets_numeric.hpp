// The number field: a label, the bound integer and More / Less buttons; Up and Down change it too.
#pragma once

#include "widgets/u_widgets_button.hpp"

#include <cstdint>
#include <memory>
#include <string>

class TFont;

class TWidgetNumeric : public TWidgetBasic {
public:
    TWidgetNumeric(int width, int height, const std::string& label, std::int32_t minValue,
                   std::int32_t maxValue, std::int32_t* value, const TFont& font);

    void draw() override;
    // Steps of 1, or 10 with a right click or a Control key held; Return is left to the screen.
    bool handleEvent(const SDL_Event& event) override;

    // Clamps the bound value into the new range at once.
    void setRange(std::int32_t lo, std::int32_t hi);
    std::int32_t getValue() const { return *value; }
    void setValue(std::int32_t amount);

    const TFont& font;
    SurfacePtr labelSurface;
    SurfacePtr valueSurface;
    std::unique_ptr<TWidgetButton> moreButton;
    std::unique_ptr<TWidgetButton> lessButton;
    SDL_Rect labelRect{};
    SDL_Rect valueRect{};
    std::int32_t minValue = 0;
    std::int32_t maxValue = 0;
    std::int32_t* value;

private:
    void stepBy(std::int32_t step);
};
