#include "menus/u_main_menu.hpp"

#include "app/u_display.hpp"
#include "app/u_screen_loop.hpp"
#include "app/u_screen_report.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "widgets/u_widgets_basic_menu.hpp"

#include <cmath>

namespace {

struct TMainMenuEntry {
    const char* caption;
    TMainMenuCommand command;
    const char* picture;
};

constexpr TMainMenuEntry entries[] = {
    {"Local match", TMainMenuCommand::CommandLocalMatch, dataFile::itemLocalMatch},
    {"Network match", TMainMenuCommand::CommandNetworkMatch, dataFile::itemNetworkMatch},
    {"Settings", TMainMenuCommand::CommandSettings, dataFile::itemSettings},
    {"Quit", TMainMenuCommand::CommandQuit, dataFile::itemQuit},
};

constexpr int menuWidth = 500;
constexpr int menuHeight = 300;
constexpr int menuPictureSize = 128;
constexpr int menuX = 150;
constexpr int menuY = 250;

} // namespace

int nextLogoX(int step, int centreX, int previousX) {
    const long double n = step;
    const long double swing = std::exp(-0.3L * n) * 2.0L * previousX * std::cos(n);
    return static_cast<int>(std::trunc(centreX - swing));
}

TMainMenu::TMainMenu(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TBasicScreen(display, context, font, noise),
      background(loadOtherImage(dataFile::mainMenuBackground, TImageConversion::ConversionOpaque)),
      logo(loadOtherImage(dataFile::logoSmall, TImageConversion::ConversionAlpha)),
      menu(std::make_unique<TWidgetBasicMenu>(menuWidth, menuHeight, menuPictureSize, menuPictureSize,
                                              TSize::SizeBig, font)) {
    menu->setPosition(menuX, menuY);
    logoRect = {static_cast<Sint16>(logoCentreX()), logoY, static_cast<Uint16>(logo->w),
                static_cast<Uint16>(logo->h)};
    for (const TMainMenuEntry& entry : entries) {
        menu->addItem(entry.caption, static_cast<std::int32_t>(entry.command),
                      loadOtherImage(entry.picture, TImageConversion::ConversionAlpha));
    }
}

TMainMenu::~TMainMenu() = default;

int TMainMenu::logoCentreX() const {
    return (TDisplay::width - logo->w) / 2;
}

bool TMainMenu::handleScreenEvent(const SDL_Event& event, TScreenType& next) const {
    if (isQuitOrEscape(event, next)) {
        return false;
    }
    switch (static_cast<TMainMenuCommand>(menu->chosenValue)) {
    case TMainMenuCommand::CommandQuit:
        next = TScreenType::ScreenNone;
        return false;
    case TMainMenuCommand::CommandLocalMatch:
        next = TScreenType::ScreenPanelGame;
        return false;
    case TMainMenuCommand::CommandSettings:
        next = TScreenType::ScreenPanelSettings;
        return false;
    case TMainMenuCommand::CommandNetworkMatch:
        break; // the entry exists and does nothing
    }
    return true;
}

bool TMainMenu::handleEvent(const SDL_Event& event, TScreenType& next) {
    // Without the menu's base test, so the keys work wherever the pointer is.
    menu->menuEvent(event);
    return handleScreenEvent(event, next);
}

void TMainMenu::advanceLogo() {
    if (logoStep >= logoFrames) {
        return;
    }
    ++logoStep;
    logoRect.x = static_cast<Sint16>(nextLogoX(logoStep, logoCentreX(), logoRect.x));
}

void TMainMenu::drawFrame() {
    SDL_Surface* screen = display.screen;
    menu->draw();
    blitAt(background.get(), screen, 0, 0);
    blitAt(menu->surface.get(), screen, menu->rect.x, menu->rect.y);
    advanceLogo();
    blitAt(logo.get(), screen, logoRect.x, logoRect.y);
}

void TMainMenu::reportRest() {
    const bool logoInPlace = logoStep >= logoFrames;
    if (logoInPlace && !logoReported) {
        reportScreenLine("Main menu logo in place");
    }
    logoReported = logoInPlace;
    const bool atRest = !menu->animating;
    if (atRest && !restReported) {
        reportScreenLine("Main menu at rest on " +
                         menu->items[static_cast<std::size_t>(menu->selected)].text);
    }
    restReported = atRest;
}

TScreenType TMainMenu::run() {
    setKeyRepeat(false);
    logoReported = false;
    restReported = false;
    return runScreenFrames(display, "Main menu", [this](TLeaveDecision& decision) {
        pollScreenEvents(
            decision, [this](const SDL_Event& event, TScreenType& next) { return handleEvent(event, next); });
        drawFrame();
        if (frameDrawn) {
            frameDrawn();
        }
        reportRest();
    });
}
