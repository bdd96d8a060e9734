#include "widgets/u_widgets_packer.hpp"

#include <algorithm>

// A grid of no rows or columns is taken as one, so that placing a child never divides by zero.
TWidgetPacker::TWidgetPacker(int width, int height, int columns, int rows)
    : TWidgetBasic(width, height), layoutWidth(width), layoutHeight(height), rows(std::max(rows, 1)),
      columns(std::max(columns, 1)), backColour(SDL_MapRGB(surface->format, 0, 0, 0)) {}

void TWidgetPacker::place(std::unique_ptr<TWidgetBasic> child) {
    const int index = static_cast<int>(children.size());
    TWidgetBasic& added = *children.emplace_back(std::move(child));
    added.setActive(false);
    const int column = index % columns;
    const int row = index / columns;
    const int cellWidth = layoutWidth / columns;
    const int cellHeight = layoutHeight / rows;
    added.setPosition(column * layoutWidth / columns - added.rect.w / 2 + cellWidth / 2,
                      row * layoutHeight / rows - added.rect.h / 2 + cellHeight / 2);
    setFocus(0);
}

void TWidgetPacker::setFocus(int index) {
    if (children.empty()) {
        return;
    }
    if (hasFocus()) {
        children[focus]->setActive(false);
    }
    const int count = static_cast<int>(children.size());
    focus = ((index % count) + count) % count;
    children[focus]->setActive(true);
    draw();
}

void TWidgetPacker::setActive(bool state) {
    if (hasFocus()) {
        children[focus]->setActive(state);
    }
    draw();
}

bool TWidgetPacker::moveFocus(int direction) {
    if (!hasFocus()) {
        return false;
    }
    const int step = direction < 0 ? -1 : 1;
    if (TWidgetPacker* nested = asPacker(*children[focus]); nested != nullptr && nested->moveFocus(step)) {
        return true;
    }
    if (step < 0 && focus == 0) {
        focusLast();
        return false;
    }
    if (step > 0 && focus == static_cast<int>(children.size()) - 1) {
        focusFirst();
        return false;
    }
    setFocus(focus + step);
    return true;
}

void TWidgetPacker::focusFirst() {
    if (children.empty()) {
        return;
    }
    setFocus(0);
    if (TWidgetPacker* nested = asPacker(*children.front()); nested != nullptr) {
        nested->focusFirst();
    }
}

void TWidgetPacker::focusLast() {
    if (children.empty()) {
        return;
    }
    setFocus(static_cast<int>(children.size()) - 1);
    if (TWidgetPacker* nested = asPacker(*children.back()); nested != nullptr) {
        nested->focusLast();
    }
}

bool TWidgetPacker::dispatch(const SDL_Event& event, TWidgetBasic& child) const {
    return child.handleEvent(isMousePress(event) ? localEvent(event) : event);
}

bool TWidgetPacker::clickChildren(const SDL_Event& event) {
    for (std::size_t index = 0; index < children.size(); ++index) {
        if (dispatch(event, *children[index])) {
            setFocus(static_cast<int>(index));
            return true;
        }
    }
    return false;
}

bool TWidgetPacker::handleEvent(const SDL_Event& event) {
    if (!TWidgetBasic::handleEvent(event)) {
        return false;
    }
    bool concerned = true;
    if (isKeyPress(event, SDLK_LEFT)) {
        moveFocus(-1);
    } else if (isKeyPress(event, SDLK_RIGHT)) {
        moveFocus(+1);
    } else if (event.type == SDL_KEYDOWN) {
        // With no child there is nobody to hand the key to.
        concerned = hasFocus() && dispatch(event, *children[focus]);
    } else {
        clickChildren(event);
    }
    if (concerned) {
        draw();
    }
    return concerned;
}

void TWidgetPacker::draw() {
    SDL_FillRect(surface.get(), nullptr, backColour);
    for (const auto& child : children) {
        child->draw();
        blitAt(child->surface.get(), surface.get(), child->rect.x, child->rect.y);
    }
}
