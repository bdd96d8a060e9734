// The scrolling menu: a wrap-around list of captions gliding between arrow buttons, the selected one
// highlighted in the middle row, with its picture beside the list.
#pragma once

#include "resources/u_font.hpp"
#include "widgets/u_widgets_button.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TWidgetBasicMenuItem {
    std::string text;
    std::int32_t value = 0;
    SurfacePtr picture;
    SurfacePtr normalSurface;
    SurfacePtr highlightSurface;
};

class TWidgetBasicMenu : public TWidgetBasic {
public:
    // The value an empty menu answers for its selection and its choice.
    static constexpr std::int32_t noSelection = -1;

    TWidgetBasicMenu(int width, int height, int pictureWidth, int pictureHeight, TSize fontSize,
                     const TFont& font);

    // Advances the glide by one step and repaints.
    void draw() override;
    // The menu's reaction behind the base test: a click on it or any key.
    bool handleEvent(const SDL_Event& event) override;

    void addItem(const std::string& text, std::int32_t value, SurfacePtr picture);
    void selectByValue(std::int32_t value);
    std::int32_t selectedValue() const;
    // Return or a click on the highlighted row sets chosenValue and answers false; everything else answers
    // true.
    bool menuEvent(const SDL_Event& event);

    TSize fontSize;
    const TFont& font;
    std::vector<TWidgetBasicMenuItem> items;
    std::int32_t selected = 0;
    std::int32_t chosenValue = noSelection;
    SDL_Rect pictureRect;
    SDL_Rect listRect;
    std::int32_t itemHeight;
    std::unique_ptr<TWidgetButton> upButton;
    std::unique_ptr<TWidgetButton> downButton;
    std::unique_ptr<TWidgetButton> bandButton;
    bool animating = false;
    std::int32_t scrollOffset = 0;
    Uint32 backColour;
    Uint32 highlightColour;

private:
    int count() const { return static_cast<int>(items.size()); }
    std::int32_t offsetIndex(std::int32_t delta, bool wrap);
    bool validIndex(std::int32_t index) const { return index >= 0 && index < count(); }
    void scroll(bool up);
    void advanceAnimation();
    void drawRow(int row, int index);
};
