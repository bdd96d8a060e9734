#include "widgets/u_widgets_button.hpp"

#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"

TWidgetButton::TWidgetButton(int width, int height, const std::string& imageName, const std::string& caption,
                             const TFont& font)
    : TWidgetBasic(width, height), image(loadOtherImage(imageName, TImageConversion::ConversionOpaque)),
      textSurface(font.renderText(caption, TSize::SizeSmall, 0)) {
    widgetType = TWidgetType::WidgetButton;
    draw();
}

void TWidgetButton::draw() {
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    const int width = surface->w;
    const int height = surface->h;
    const int x0 = (width - image->w - textSurface->w - 10) / 2;
    blitAt(image.get(), surface.get(), x0, (height - image->h) / 2);
    blitAt(textSurface.get(), surface.get(), x0 + image->w + 10, (height - textSurface->h) / 2);
}

bool TWidgetButton::handleEvent(const SDL_Event& event) {
    if (!isMousePress(event) && !isKeyPress(event, SDLK_RETURN)) {
        return false;
    }
    return TWidgetBasic::handleEvent(event);
}
