#include "widgets/u_widgets_numeric.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_font.hpp"
#include "resources/u_key_modifiers.hpp"
#include "resources/u_surface_utils.hpp"

#include <algorithm>

namespace {

constexpr int buttonHeight = 24;

int stepOf(const SDL_Event& event) {
    const bool rightClick = event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_RIGHT;
    return rightClick || controlHeld() ? 10 : 1;
}

} // namespace

TWidgetNumeric::TWidgetNumeric(int width, int height, const std::string& label, std::int32_t minValue,
                               std::int32_t maxValue, std::int32_t* value, const TFont& font)
    : TWidgetBasic(width, height), font(font), labelSurface(font.renderText(label, TSize::SizeSmall, 0)),
      valueSurface(createSurface(0, 0, false)),
      moreButton(std::make_unique<TWidgetButton>(width, buttonHeight, dataFile::buttonTop, "More", font)),
      lessButton(std::make_unique<TWidgetButton>(width, buttonHeight, dataFile::buttonBottom, "Less", font)),
      value(value) {
    widgetType = TWidgetType::WidgetNumeric;
    lessButton->setPosition(0, height - buttonHeight - 25);
    moreButton->setPosition(0, lessButton->rect.y - buttonHeight);
    setRange(minValue, maxValue);
}

void TWidgetNumeric::setRange(std::int32_t lo, std::int32_t hi) {
    minValue = lo;
    maxValue = hi;
    setValue(*value);
}

// An inverted range settles on its minimum.
void TWidgetNumeric::setValue(std::int32_t amount) {
    *value = amount < minValue ? minValue : std::min(amount, maxValue);
    draw();
}

void TWidgetNumeric::stepBy(std::int32_t step) {
    const std::int64_t target = static_cast<std::int64_t>(*value) + step;
    setValue(static_cast<std::int32_t>(std::clamp<std::int64_t>(target, INT32_MIN, INT32_MAX)));
}

void TWidgetNumeric::draw() {
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    valueSurface = font.renderText(std::to_string(*value), TSize::SizeSmall, 0);
    const int labelY = (surface->h - labelSurface->h) / 2;
    labelRect = {0, static_cast<Sint16>(labelY), 0, 0};
    valueRect = {static_cast<Sint16>(labelRect.x + labelSurface->w + 10), static_cast<Sint16>(labelY), 0, 0};
    blitAt(labelSurface.get(), surface.get(), labelRect.x, labelRect.y);
    blitAt(moreButton->surface.get(), surface.get(), moreButton->rect.x, moreButton->rect.y);
    blitAt(lessButton->surface.get(), surface.get(), lessButton->rect.x, lessButton->rect.y);
    blitAt(valueSurface.get(), surface.get(), valueRect.x, valueRect.y);
}

bool TWidgetNumeric::handleEvent(const SDL_Event& event) {
    const SDL_Event local = localEvent(event);
    if (isKeyPress(event, SDLK_RETURN)) {
        return false;
    }
    const int step = stepOf(event);
    if (moreButton->handleEvent(local) || isKeyPress(event, SDLK_UP)) {
        stepBy(step);
        return true;
    }
    if (lessButton->handleEvent(local) || isKeyPress(event, SDLK_DOWN)) {
        stepBy(-step);
        return true;
    }
    return false;
}
