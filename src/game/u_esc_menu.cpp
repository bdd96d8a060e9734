#include "game/u_esc_menu.hpp"

#include "app/u_display.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"
#include "widgets/u_widgets_basic_menu.hpp"
#include "widgets/u_widgets_button.hpp"

namespace {

constexpr int pictureWidth = 50;
constexpr int pictureHeight = 20;

SDL_Rect positionRect(int x, int y) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
}

} // namespace

TEscMenu::TEscMenu(TDisplay& display, const TFont& font)
    : display(display), background(loadGameImage(dataFile::escMenuBackground)),
      quitText(font.renderText("Press Esc to quit", TSize::SizeSmall, 0)) {
    optionsButton = std::make_unique<TWidgetButton>(contentWidth - quitText->w, buttonHeight,
                                                    dataFile::optionsMini, "Options", font);
    menu = std::make_unique<TWidgetBasicMenu>(contentWidth, contentHeight - optionsButton->rect.h,
                                              pictureWidth, pictureHeight, TSize::SizeSmall, font);
    backgroundPos = positionRect((TDisplay::width - panelWidth) / 2, (TDisplay::height - panelHeight) / 2);
    const int menuX = backgroundPos.x + inset;
    const int menuY = backgroundPos.y + inset;
    menu->setPosition(menuX, menuY);
    optionsButton->setPosition(menuX, menuY + menu->rect.h);
    quitTextPos = positionRect(menuX + contentWidth - quitText->w, menuY + contentHeight - quitText->h);
    for (TWeapon weapon : allWeapons) {
        menu->addItem(weaponName(weapon), static_cast<std::int32_t>(weapon), projectileImage(weapon));
    }
}

TEscMenu::~TEscMenu() = default;

void TEscMenu::showWeapon(TWeapon weapon) {
    menu->selectByValue(static_cast<std::int32_t>(weapon));
}

bool TEscMenu::handle(const SDL_Event& event, bool& options) {
    options = event.type == SDL_MOUSEBUTTONDOWN && optionsButton->handleEvent(event);
    return menu->menuEvent(event);
}

TWeapon TEscMenu::chosenWeapon() const {
    const std::int32_t value = menu->chosenValue;
    for (TWeapon weapon : allWeapons) {
        if (static_cast<std::int32_t>(weapon) == value) {
            return weapon;
        }
    }
    // No choice was made: the highlighted row stands for it.
    return static_cast<TWeapon>(menu->selectedValue());
}

void TEscMenu::draw() {
    SDL_Surface* screen = display.screen;
    menu->draw();
    blitAt(background.get(), screen, backgroundPos.x, backgroundPos.y);
    blitAt(menu->surface.get(), screen, menu->rect.x, menu->rect.y);
    blitAt(quitText.get(), screen, quitTextPos.x, quitTextPos.y);
    blitAt(optionsButton->surface.get(), screen, optionsButton->rect.x, optionsButton->rect.y);
}
