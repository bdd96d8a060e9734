#include "menus/u_pref_base.hpp"

#include "app/u_display.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"
#include "widgets/u_widgets_basic.hpp"

TPrefBase::TPrefBase(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TBasicScreen(display, context, font, noise),
      background(loadOtherImage(dataFile::optionsBackground, TImageConversion::ConversionOpaque)),
      title(font.renderText("Settings", TSize::SizeBig, 0)) {
    titleRect = {static_cast<Sint16>((TDisplay::width - title->w) / 2), titleY, static_cast<Uint16>(title->w),
                 static_cast<Uint16>(title->h)};
}

bool TPrefBase::handleScreenEvent(const SDL_Event& event, TScreenType& next) {
    if (isQuitOrEscape(event, next)) {
        return false;
    }
    return true;
}

void TPrefBase::drawScreen() {
    SDL_Surface* screen = display.screen;
    blitAt(background.get(), screen, 0, 0);
    blitAt(title.get(), screen, titleRect.x, titleRect.y);
}
