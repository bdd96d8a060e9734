#include "game/u_statistics_screen.hpp"

#include "app/u_display.hpp"
#include "app/u_screen_loop.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "widgets/u_widgets_button.hpp"

TStatisticsScreen::TStatisticsScreen(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TBasicScreen(display, context, font, noise),
      background(loadOtherImage(dataFile::optionsBackground, TImageConversion::ConversionOpaque)),
      returnButton(std::make_unique<TWidgetButton>(buttonWidth, buttonHeight, dataFile::quitMini,
                                                   "Return to main menu", font)) {
    returnButton->setPosition((TDisplay::width - buttonWidth) / 2,
                              (TDisplay::height + 450) / 2 - returnButton->rect.h);
}

TStatisticsScreen::~TStatisticsScreen() = default;

bool TStatisticsScreen::handleEvent(const SDL_Event& event, TScreenType& next) const {
    if (isQuitOrEscape(event, next)) {
        return false;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN && returnButton->handleEvent(event)) {
        next = TScreenType::ScreenNone;
        return false;
    }
    return true;
}

void TStatisticsScreen::drawFrame() {
    SDL_Surface* screen = display.screen;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    blitAt(background.get(), screen, 0, 0);
    blitAt(returnButton->surface.get(), screen, returnButton->rect.x, returnButton->rect.y);
}

TScreenType TStatisticsScreen::run() {
    setKeyRepeat(false);
    return runScreenFrames(display, "Statistics", [this](TLeaveDecision& decision) {
        pollScreenEvents(
            decision, [this](const SDL_Event& event, TScreenType& next) { return handleEvent(event, next); });
        drawFrame();
    });
}
