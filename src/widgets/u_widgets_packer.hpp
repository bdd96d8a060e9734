// The packer: child widgets in a grid of equal cells, a keyboard focus moved by Left and Right, nested
// packers walked through as one row of leaves.
#pragma once

#include "widgets/u_widgets_basic.hpp"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TWidgetPacker : public TWidgetBasic {
public:
    TWidgetPacker(int width, int height, int columns, int rows);

    // Lights or dims the focused child only; the packer's own picture keeps full opacity.
    void setActive(bool state) override;
    void draw() override;
    bool handleEvent(const SDL_Event& event) override;

    // Takes the child, centres it in the next free cell and focuses the first child; the child stays
    // reachable.
    template <class TChild> TChild& add(std::unique_ptr<TChild> child) {
        TChild& added = *child;
        place(std::move(child));
        return added;
    }
    // Any index, wrapped round the children; nothing happens while there is none.
    void setFocus(int index);
    // True when the focus moved inside this packer, false when it wrapped round (or there is nothing to
    // focus).
    bool moveFocus(int direction);
    void focusFirst();
    void focusLast();
    bool dispatch(const SDL_Event& event, TWidgetBasic& child) const;
    bool hasFocus() const { return focus >= 0 && focus < static_cast<int>(children.size()); }

    std::int32_t layoutWidth;
    std::int32_t layoutHeight;
    std::int32_t rows;
    std::int32_t columns;
    std::vector<std::unique_ptr<TWidgetBasic>> children;
    std::int32_t focus = -1;
    Uint32 backColour;

private:
    void place(std::unique_ptr<TWidgetBasic> child);
    bool clickChildren(const SDL_Event& event);
    // Children are told apart by class: a packer carries the basic tag like any plain widget.
    static TWidgetPacker* asPacker(TWidgetBasic& widget) { return dynamic_cast<TWidgetPacker*>(&widget); }
};
