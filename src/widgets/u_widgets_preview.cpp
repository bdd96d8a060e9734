#include "widgets/u_widgets_preview.hpp"

#include "menus/u_data_maps.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_surface_utils.hpp"

namespace {

constexpr int previewWidth = 200;
constexpr int previewHeight = 150;

void blitCentred(SDL_Surface* thumbnail, SDL_Surface* target) {
    blitAt(thumbnail, target, (target->w - thumbnail->w) / 2, (target->h - thumbnail->h) / 2);
}

} // namespace

TWidgetPreview::TWidgetPreview()
    : TWidgetBasic(previewWidth, previewHeight), foreThumb(createSurface(0, 0, false)),
      backThumb(createSurface(0, 0, false)) {
    draw();
}

void TWidgetPreview::setActive(bool state) {
    active = state;
}

void TWidgetPreview::setMaps(const std::string& terrainName, const std::string& backgroundName) {
    if (terrainName == foreName && backgroundName == backName) {
        return;
    }
    foreThumb.reset();
    backThumb.reset();
    // The pictures of the maps chosen before go first: the largest ones should not be held twice.
    terrain.reset();
    background.reset();
    background = loadMapImage(backgroundName, TImageConversion::ConversionOpaque);
    terrain = loadMapImage(terrainName, TImageConversion::ConversionAlpha);
    makeThumbnails(terrain.get(), background.get(), foreThumb, backThumb);
    foreName = terrainName;
    backName = backgroundName;
}

// Cleared first: a picture that failed to load must not leave the previous map on show.
void TWidgetPreview::draw() {
    SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    blitCentred(backThumb.get(), surface.get());
    blitCentred(foreThumb.get(), surface.get());
}
