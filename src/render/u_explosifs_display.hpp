// Drawing the explosive boxes lying on the map.
#pragma once

#include "model/u_data_objects.hpp"
#include "render/u_basic_display.hpp"
#include "resources/u_sdl_handles.hpp"

class TExplosifsDisplay : public TBasicDisplay {
public:
    TExplosifsDisplay(TDisplay& display, TMoves& moves);

    // A box's position is its top-left corner.
    void draw(const TExplosif& box) const;

    SurfacePtr picture;
};
