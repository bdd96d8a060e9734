#include "render/u_wind_info.hpp"

#include "app/u_display.hpp"
#include "render/u_alpha_blit.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_surface_utils.hpp"
#include "widgets/u_widgets_basic.hpp"

#include <algorithm>
#include <cstdlib>

namespace {

// The magnitude the drawing uses: in 0 .. fullWind whatever the caller passes (even INT32_MIN).
std::int64_t strength(std::int32_t w) {
    return std::min<std::int64_t>(std::llabs(static_cast<std::int64_t>(w)), TWindInfo::fullWind);
}

// Fills the rectangle, then its inside grown by -1 and the upper half of that inside: a bevelled block.
void fillBevel(SDL_Surface* target, SDL_Rect block, Uint32 outline, Uint32 body, Uint32 light) {
    fillArea(target, block.x, block.y, block.w, block.h, outline);
    inflateRect(block, -1);
    fillArea(target, block.x, block.y, block.w, block.h, body);
    fillArea(target, block.x, block.y, block.w, block.h / 2, light);
}

SDL_Rect rectAt(int x, int y, int w, int h) {
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(std::max(w, 0)),
            static_cast<Uint16>(std::max(h, 0))};
}

} // namespace

TWindInfo::TWindInfo(TDisplay& display, const TFont& font)
    : display(display), font(font), sockLeft(loadGameImage(dataFile::windSockLeft)),
      sockRight(loadGameImage(dataFile::windSockRight)), windText(createSurface(0, 0, false)) {
    setWind(0);
}

std::string TWindInfo::percentText(std::int32_t w) {
    return std::to_string(strength(w) * 100 / fullWind) + " %";
}

int TWindInfo::gaugeLength(std::int32_t w) {
    return static_cast<int>(strength(w) * 2 * gaugeReach / (2 * fullWind));
}

void TWindInfo::setWind(std::int32_t w) {
    if (w == wind) {
        return;
    }
    wind = w;
    sock = w < 0 ? sockLeft.get() : sockRight.get();
    windText = font.renderText(percentText(w), TSize::SizeSmall, 0);
    blendWhenBlitted(windText.get());
}

void TWindInfo::draw(const SDL_Rect& area, bool expanded) {
    if (expanded) {
        drawExpanded(area);
    } else {
        drawGauge(area);
    }
}

void TWindInfo::drawExpanded(const SDL_Rect& area) {
    sockRect = rectAt(area.x + (area.w - sock->w) / 2, area.y + area.h - sock->h, sock->w, sock->h);
    textRect = rectAt(area.x + (area.w - windText->w) / 2, area.y, windText->w, windText->h);
    blitAt(windText.get(), display.screen, textRect.x, textRect.y);
    blitAt(sock, display.screen, sockRect.x, sockRect.y);
}

void TWindInfo::drawGauge(const SDL_Rect& area) const {
    SDL_Surface* target = display.screen;
    const SDL_PixelFormat* format = target->format;
    const int post = area.x + gaugeReach;
    const int length = gaugeLength(wind);
    const SDL_Rect gauge = rectAt(wind < 0 ? post - length : post, area.y + 4, length, 16);
    fillBevel(target, gauge, SDL_MapRGB(format, 0, 0, 0), SDL_MapRGB(format, 196, 196, 196),
              SDL_MapRGB(format, 220, 220, 220));
    fillBevel(target, rectAt(post - 2, area.y, 4, 24), SDL_MapRGB(format, 0, 0, 0),
              SDL_MapRGB(format, 100, 50, 0), SDL_MapRGB(format, 150, 100, 50));
}
