#include "widgets/u_widgets_progress_bar.hpp"

#include <algorithm>

TWidgetProgressBar::TWidgetProgressBar(std::int32_t value, std::int32_t maxValue, int width, int height,
                                       std::int32_t margin, bool levelColours)
    : TWidgetBasic(width, height), maxValue(maxValue), margin(margin), levelColours(levelColours),
      backColour(SDL_MapRGB(surface->format, 0, 0, 0)), barColour(SDL_MapRGB(surface->format, 160, 160, 160)),
      markColour(SDL_MapRGB(surface->format, 255, 0, 0)) {
    setValue(value);
}

void TWidgetProgressBar::setValue(std::int32_t amount) {
    value = amount < 0 ? 0 : std::min(amount, maxValue);
    if (levelColours) {
        barColour = levelColour();
    }
    draw();
}

void TWidgetProgressBar::addValue(std::int32_t amount) {
    const std::int64_t sum = static_cast<std::int64_t>(value) + amount;
    setValue(static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX)));
}

void TWidgetProgressBar::setMark(bool on) {
    mark = on ? value : -1;
}

Uint32 TWidgetProgressBar::levelColour() const {
    if (value < maxValue / 4) {
        return levelLow;
    }
    if (value < maxValue / 2) {
        return levelMedium;
    }
    return value < maxValue ? levelHigh : levelFull;
}

Uint32 TWidgetProgressBar::lighterColour(Uint32 pixel) const {
    Uint8 red, green, blue;
    SDL_GetRGB(pixel, surface->format, &red, &green, &blue);
    const auto halfwayToWhite = [](Uint8 component) { return static_cast<Uint8>((component + 255) / 2); };
    return SDL_MapRGB(surface->format, halfwayToWhite(red), halfwayToWhite(green), halfwayToWhite(blue));
}

int TWidgetProgressBar::portion(std::int64_t quantity, int extent) const {
    if (maxValue <= 0) {
        return 0;
    }
    return static_cast<int>(quantity * extent / maxValue);
}

void TWidgetProgressBar::draw() {
    const int width = surface->w;
    const int height = surface->h;
    // A margin wider than half the gauge leaves no inside rather than a negative one.
    const int innerWidth = std::max(0, width - 2 * margin);
    const int innerHeight = std::max(0, height - 2 * margin);
    const Uint32 light = lighterColour(barColour);
    SDL_FillRect(surface.get(), nullptr, backColour);
    if (horizontal) {
        if (mark > 0) {
            fillArea(surface.get(), portion(mark, innerWidth) + margin, margin, 1, innerHeight, markColour);
        }
        const int barWidth = portion(value, innerWidth);
        fillArea(surface.get(), margin, margin, barWidth, innerHeight, barColour);
        fillArea(surface.get(), margin, margin, barWidth, innerHeight >> 1, light);
    } else {
        const int barHeight = portion(value, innerHeight);
        const int top = height - margin - barHeight;
        if (mark > 0) {
            // The line just above a bar of the marked value, as the horizontal mark lies just past its end.
            fillArea(surface.get(), margin, height - margin - portion(mark, innerHeight) - 1, innerWidth, 1,
                     markColour);
        }
        fillArea(surface.get(), margin, top, innerWidth, barHeight, barColour);
        fillArea(surface.get(), margin, top, innerWidth >> 1, barHeight, light);
    }
}
