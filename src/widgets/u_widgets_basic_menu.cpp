#include "widgets/u_widgets_basic_menu.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_surface_utils.hpp"

#include <algorithm>

namespace {

constexpr int arrowHeight = 30;
constexpr int glideStep = 10;

} // namespace

TWidgetBasicMenu::TWidgetBasicMenu(int width, int height, int pictureWidth, int pictureHeight, TSize fontSize,
                                   const TFont& font)
    : TWidgetBasic(width, height), fontSize(fontSize), font(font),
      backColour(SDL_MapRGB(surface->format, 0, 0, 0)),
      highlightColour(SDL_MapRGB(surface->format, 48, 48, 48)) {
    widgetType = TWidgetType::WidgetBasicMenu;
    pictureRect = {25, static_cast<Sint16>((height - pictureHeight) / 2), static_cast<Uint16>(pictureWidth),
                   static_cast<Uint16>(pictureHeight)};
    const int listX = 25 + pictureWidth + 25;
    listRect = {static_cast<Sint16>(listX), 40, static_cast<Uint16>(std::max(0, width - listX - 10)),
                static_cast<Uint16>(std::max(0, height - 80))};
    upButton = std::make_unique<TWidgetButton>(listRect.w, arrowHeight, dataFile::buttonTop, "", font);
    upButton->setPosition(listRect.x, 0);
    downButton = std::make_unique<TWidgetButton>(listRect.w, arrowHeight, dataFile::buttonBottom, "", font);
    downButton->setPosition(listRect.x, height - arrowHeight);
    bandButton = std::make_unique<TWidgetButton>(100, 24, dataFile::buttonBottom, "", font);
    itemHeight = font.charSize(fontSize).h + 10;
}

void TWidgetBasicMenu::addItem(const std::string& text, std::int32_t value, SurfacePtr picture) {
    TWidgetBasicMenuItem item;
    item.text = text;
    item.value = value;
    item.picture = picture ? std::move(picture) : createSurface(0, 0, false);
    item.normalSurface = font.renderText(text, fontSize, backColour);
    SDL_SetAlpha(item.normalSurface.get(), SDL_SRCALPHA, 128);
    item.highlightSurface = font.renderText(text, fontSize, highlightColour);
    items.push_back(std::move(item));
}

void TWidgetBasicMenu::selectByValue(std::int32_t value) {
    for (int index = 0; index < count(); ++index) {
        if (items[index].value == value) {
            selected = index;
            animating = false;
            scrollOffset = 0;
            return;
        }
    }
}

std::int32_t TWidgetBasicMenu::selectedValue() const {
    return validIndex(selected) ? items[selected].value : noSelection;
}

std::int32_t TWidgetBasicMenu::offsetIndex(std::int32_t delta, bool wrap) {
    chosenValue = noSelection;
    std::int32_t index = selected + delta;
    if (wrap && !items.empty()) {
        index %= count();
        while (index < 0) {
            index += count();
        }
    }
    return index;
}

// An empty list has nothing to glide to: the selection stays at 0, ready for the first entry.
void TWidgetBasicMenu::scroll(bool up) {
    if (animating || items.empty()) {
        return;
    }
    animating = true;
    const int direction = up ? -1 : 1;
    selected = offsetIndex(direction, true);
    scrollOffset = direction * itemHeight;
}

bool TWidgetBasicMenu::menuEvent(const SDL_Event& event) {
    const SDL_Event local = localEvent(event);
    if (isKeyPress(event, SDLK_RETURN) || (isMousePress(event) && bandButton->handleEvent(local))) {
        chosenValue = selectedValue();
        return false;
    }
    chosenValue = noSelection;
    if (isKeyPress(event, SDLK_UP)) {
        scroll(true);
    } else if (isKeyPress(event, SDLK_DOWN)) {
        scroll(false);
    } else if (isMousePress(event)) {
        if (upButton->handleEvent(local)) {
            scroll(true);
        } else if (downButton->handleEvent(local)) {
            scroll(false);
        }
    }
    return true;
}

bool TWidgetBasicMenu::handleEvent(const SDL_Event& event) {
    if (!TWidgetBasic::handleEvent(event)) {
        return false;
    }
    menuEvent(event);
    return true;
}

void TWidgetBasicMenu::advanceAnimation() {
    if (!animating) {
        return;
    }
    if (scrollOffset < 0) {
        scrollOffset += glideStep;
        if (scrollOffset >= 0) {
            animating = false;
            scrollOffset = 0;
        }
    } else {
        scrollOffset -= glideStep;
        if (scrollOffset < 1) {
            animating = false;
            scrollOffset = 0;
        }
    }
}

void TWidgetBasicMenu::drawRow(int row, int index) {
    const TWidgetBasicMenuItem& item = items[index];
    const int textX = listRect.x + (listRect.w - item.normalSurface->w) / 2;
    const int rowY = (row - 1) * itemHeight;
    if (scrollOffset == 0 && item.value == items[selected].value) {
        const int bandY = rowY - 5;
        fillArea(surface.get(), listRect.x, bandY, listRect.w, itemHeight, highlightColour);
        blitAt(item.highlightSurface.get(), surface.get(), textX, rowY);
        bandButton->setPosition(listRect.x, bandY);
        bandButton->rect.w = listRect.w;
        bandButton->rect.h = static_cast<Uint16>(itemHeight);
    } else {
        blitAt(item.normalSurface.get(), surface.get(), textX, rowY + scrollOffset);
    }
}

void TWidgetBasicMenu::draw() {
    SDL_FillRect(surface.get(), nullptr, backColour);
    advanceAnimation();
    if (!items.empty()) {
        blitAt(items[selected].picture.get(), surface.get(), pictureRect.x, pictureRect.y);
        const int rowsShown = itemHeight > 0 ? listRect.h / itemHeight : 0;
        const int half = rowsShown / 2;
        for (int row = 0; row <= rowsShown + 1; ++row) {
            const std::int32_t index = offsetIndex(row - half - 1, false);
            if (validIndex(index)) {
                drawRow(row, index);
            }
        }
    }
    upButton->draw();
    downButton->draw();
    blitAt(upButton->surface.get(), surface.get(), upButton->rect.x, upButton->rect.y);
    blitAt(downButton->surface.get(), surface.get(), downButton->rect.x, downButton->rect.y);
}
