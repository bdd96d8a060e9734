#include "render/u_explosifs_display.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"

TExplosifsDisplay::TExplosifsDisplay(TDisplay& display, TMoves& moves)
    : TBasicDisplay(display, moves), picture(loadGameImage(dataFile::explosif)) {}

void TExplosifsDisplay::draw(const TExplosif& box) const {
    blitToScreen(picture.get(), nullptr, screenX(mapPixel(box.position.x)),
                 screenY(mapPixel(box.position.y)));
}
