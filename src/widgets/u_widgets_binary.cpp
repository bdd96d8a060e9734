#include "widgets/u_widgets_binary.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"

namespace {

SurfacePtr loadCross() {
    SurfacePtr cross = loadOtherImage(dataFile::widgetsCross, TImageConversion::ConversionOpaque);
    // Black is see-through, so only the strokes cover the picture.
    SDL_SetColorKey(cross.get(), SDL_SRCCOLORKEY, SDL_MapRGB(cross->format, 0, 0, 0));
    return cross;
}

} // namespace

TWidgetBinary::TWidgetBinary(int width, int height, const std::string& imageName, const std::string& caption,
                             bool* value, const TFont& font)
    : TWidgetBasic(width, height), value(value),
      image(loadOtherImage(imageName, TImageConversion::ConversionOpaque)),
      textSurface(font.renderText(caption, TSize::SizeSmall, 0)), cross(loadCross()) {
    widgetType = TWidgetType::WidgetBinary;
    draw();
}

void TWidgetBinary::draw() {
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    // Placed by the cross's width so that the cross always lands on the same spot.
    const int x = (surface->w - cross->w) / 2;
    blitAt(image.get(), surface.get(), x, 5);
    if (!*value) {
        blitAt(cross.get(), surface.get(), x, 5);
    }
    blitAt(textSurface.get(), surface.get(), (surface->w - textSurface->w) / 2, cross->h + 10);
}

bool TWidgetBinary::handleEvent(const SDL_Event& event) {
    if (!TWidgetBasic::handleEvent(event) || !(isKeyPress(event, SDLK_RETURN) || isMousePress(event))) {
        return false;
    }
    *value = !*value;
    draw();
    return true;
}
