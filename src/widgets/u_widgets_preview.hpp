// The map preview: background and terrain thumbnails, centred one over the other in 200 x 150 pixels.
#pragma once

#include "widgets/u_widgets_basic.hpp"

#include <string>

class TWidgetPreview : public TWidgetBasic {
public:
    TWidgetPreview();

    // Never dimmed: the preview only records the state.
    void setActive(bool state) override;
    void draw() override;
    // Reloads only when a name changed, so owners may call it every frame.
    void setMaps(const std::string& terrainName, const std::string& backgroundName);

    SurfacePtr foreThumb;
    SurfacePtr backThumb;
    std::string foreName;
    std::string backName;
    // The whole pictures the thumbnails were made from (empty ones when a file cannot be read), kept so that
    // the setup panel can check the chosen maps and hand them to the match without decoding them again.
    SurfacePtr terrain;
    SurfacePtr background;
};
