// The panel shown over a match after the first Esc: the weapon list, an "Options" button and the reminder
// that a second Esc abandons the match.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

#include <SDL.h>

#include <memory>

class TDisplay;
class TFont;
class TWidgetBasicMenu;
class TWidgetButton;

class TEscMenu {
public:
    static constexpr int panelWidth = 500;
    static constexpr int panelHeight = 300;
    static constexpr int inset = 20;
    static constexpr int contentWidth = panelWidth - 2 * inset;
    static constexpr int contentHeight = panelHeight - 2 * inset;
    static constexpr int buttonHeight = 24;

    TEscMenu(TDisplay& display, const TFont& font);
    ~TEscMenu();
    TEscMenu(const TEscMenu&) = delete;
    TEscMenu& operator=(const TEscMenu&) = delete;

    // Opens the list on the weapon the tumbok holds.
    void showWeapon(TWeapon weapon);
    // False when a weapon has just been chosen; options tells whether the event clicked "Options".
    bool handle(const SDL_Event& event, bool& options);
    // Read right after handle answered false.
    TWeapon chosenWeapon() const;
    void draw();

    TDisplay& display;
    SurfacePtr background;
    SurfacePtr quitText;
    std::unique_ptr<TWidgetBasicMenu> menu;
    SDL_Rect backgroundPos;
    SDL_Rect quitTextPos;
    std::unique_ptr<TWidgetButton> optionsButton;
};
