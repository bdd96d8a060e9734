#include "render/u_minimap.hpp"

#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_terrain_changes.hpp"
#include "render/u_alpha_blit.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_pixel_channels.hpp"
#include "resources/u_numbers.hpp"
#include "resources/u_surface_utils.hpp"
#include "widgets/u_widgets_basic.hpp"

#include <SDL_rotozoom.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr std::array<Uint32, 9> teamColours = {0xC0EA9225u, 0xC0D73224u, 0xC0FFFFFFu,
                                               0xC03778FAu, 0xC0123456u, 0x90F45DD2u,
                                               0x2DD54F90u, 0x225EA9C0u, 0xC0D24732u};

// The zoom that fits an extent into a limit; none for an empty extent or limit.
double fitScale(int limit, int extent) {
    return limit > 0 && extent > 0 ? static_cast<double>(limit) / extent : 0.0;
}

// A smoothed, unrotated copy; null when there is nothing to scale.
SurfacePtr scaled(SDL_Surface* source, double zoom) {
    if (source == nullptr || source->w <= 0 || source->h <= 0 || zoom <= 0.0) {
        return nullptr;
    }
    return SurfacePtr(rotozoomSurface(source, 0.0, zoom, SMOOTHING_ON));
}

bool inTerrain(const TVector& position, const SDL_Surface* terrain) {
    return position.x >= 0 && position.y >= 0 && position.x <= terrain->w && position.y <= terrain->h;
}

} // namespace

TMinimapSources minimapSourcesOf(TMapDisplay& mapDisplay) {
    return {mapDisplay.background.get(), mapDisplay.terrain, *mapDisplay.moves, mapDisplay.freeView};
}

TMinimap::TMinimap(TDisplay& display, int x, int y, int maxWidth, int maxHeight, TMapDisplay& mapDisplay,
                   const TPhysicsView& physics, int screenWidth, int screenHeight)
    : TMinimap(display, x, y, maxWidth, maxHeight, minimapSourcesOf(mapDisplay), physics, screenWidth,
               screenHeight) {}

TMinimap::TMinimap(TDisplay& display, int x, int y, int maxWidth, int maxHeight,
                   const TMinimapSources& sources, const TPhysicsView& physics, int screenWidth,
                   int screenHeight)
    : physics(physics), display(display), moves(sources.moves), freeView(sources.freeView),
      background(sources.background), terrain(sources.terrain), camera(sources.moves.view) {
    const double byHeight = fitScale(maxHeight, terrain->h);
    const double byWidth = fitScale(maxWidth, terrain->w);
    mapScale = std::min(byHeight, byWidth);
    area = {static_cast<Sint16>(x), static_cast<Sint16>(y),
            static_cast<Uint16>(std::trunc(terrain->w * mapScale)),
            static_cast<Uint16>(std::trunc(terrain->h * mapScale))};
    backScale = std::max(fitScale(area.h, background->h), fitScale(area.w, background->w));
    blitPos = {area.x, area.y, 0, 0};
    viewRect = {0, 0, static_cast<Uint16>(std::max(screenWidth, 0)),
                static_cast<Uint16>(std::max(screenHeight, 0))};
    if (!empty()) {
        scaledBackground_ = scaled(background, backScale);
        scaledTerrain_ = createSurface(area.w, area.h, true);
        blendWhenBlitted(scaledTerrain_.get());
        picture_ = createSurface(area.w, area.h, false);
    }
}

Uint32 TMinimap::teamColour(int team) {
    return team >= 0 && team < static_cast<int>(teamColours.size())
               ? teamColours[static_cast<std::size_t>(team)]
               : teamColours[0];
}

void TMinimap::refreshPicture() {
    const std::vector<TPixelRect>& changes = physics.terrainChanges.all();
    if (!pictureDrawn_) {
        redraw({0, 0, area.w, area.h});
        pictureDrawn_ = true;
    } else if (changesSeen_ < changes.size()) {
        // The blasts of a chain overlap: each small pixel is redone once, in runs along its row.
        std::vector<char> stale(static_cast<std::size_t>(area.w) * area.h, 0);
        for (std::size_t i = changesSeen_; i < changes.size(); ++i) {
            const SDL_Rect part = smallPartOf(changes[i]);
            for (int v = part.y; v < part.y + part.h; ++v) {
                std::fill_n(stale.begin() + static_cast<std::ptrdiff_t>(v * area.w + part.x), part.w, 1);
            }
        }
        for (int v = 0; v < area.h; ++v) {
            const char* row = &stale[static_cast<std::size_t>(v * area.w)];
            for (int u = 0; u < area.w;) {
                const int start = static_cast<int>(std::find(row + u, row + area.w, 1) - row);
                const int end = static_cast<int>(std::find(row + start, row + area.w, 0) - row);
                if (start < end) {
                    redraw({static_cast<Sint16>(start), static_cast<Sint16>(v),
                            static_cast<Uint16>(end - start), 1});
                }
                u = end;
            }
        }
    }
    changesSeen_ = changes.size();
}

SDL_Rect TMinimap::smallPartOf(const TPixelRect& changed) const {
    // A small pixel samples the terrain from its own left edge to the next one's, so one more on each side
    // covers any rounding.
    const int left = std::max(static_cast<int>(std::floor(changed.x * mapScale)) - 1, 0);
    const int top = std::max(static_cast<int>(std::floor(changed.y * mapScale)) - 1, 0);
    const int right =
        std::min(static_cast<int>(std::floor((changed.x + changed.w) * mapScale)) + 2, int{area.w});
    const int bottom =
        std::min(static_cast<int>(std::floor((changed.y + changed.h) * mapScale)) + 2, int{area.h});
    if (right <= left || bottom <= top) {
        return {0, 0, 0, 0};
    }
    return {static_cast<Sint16>(left), static_cast<Sint16>(top), static_cast<Uint16>(right - left),
            static_cast<Uint16>(bottom - top)};
}

void TMinimap::redraw(const SDL_Rect& part) {
    if (part.w == 0 || part.h == 0) {
        return;
    }
    sampleTerrain(part);
    // Where a picture is missing the frame's colour shows, as it would under an unscaled blit.
    SDL_Rect at = part;
    SDL_FillRect(picture_.get(), &at, frameColour);
    if (scaledBackground_) {
        SDL_Rect from = part;
        at = part;
        SDL_BlitSurface(scaledBackground_.get(), &from, picture_.get(), &at);
    }
    SDL_Rect from = part;
    at = part;
    SDL_BlitSurface(scaledTerrain_.get(), &from, picture_.get(), &at);
}

void TMinimap::sampleTerrain(const SDL_Rect& part) {
    const TTerrainReader reader(terrain);
    const TPixelChannels channels(terrain->format);
    const SurfaceLock lock(scaledTerrain_.get());
    SDL_Surface* small = scaledTerrain_.get();
    const TPixelChannels pack(small->format);
    const int across = std::clamp(static_cast<int>(std::ceil(1.0 / mapScale)), 1, samplesAcross);
    // The terrain pixels sampled for each small pixel of the part, `across` of them per axis.
    const auto samples = [&](int from, int count, int size) {
        std::vector<int> at;
        for (int dot = from; dot < from + count; ++dot) {
            for (int step = 0; step < across; ++step) {
                const double position = (dot + (step + 0.5) / across) / mapScale;
                at.push_back(std::clamp(static_cast<int>(std::floor(position)), 0, size - 1));
            }
        }
        return at;
    };
    const std::vector<int> columns = samples(part.x, part.w, reader.width());
    const std::vector<int> rows = samples(part.y, part.h, reader.height());
    const auto count = static_cast<std::uint64_t>(across * across);
    for (int v = 0; v < part.h; ++v) {
        auto* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(small->pixels) + (part.y + v) * small->pitch);
        for (int u = 0; u < part.w; ++u) {
            // Colours weighed by their alpha, so that the air around the ground does not darken its edge.
            std::uint64_t red = 0;
            std::uint64_t green = 0;
            std::uint64_t blue = 0;
            std::uint64_t alpha = 0;
            for (int j = 0; j < across; ++j) {
                const int y = rows[static_cast<std::size_t>(v * across + j)];
                for (int i = 0; i < across; ++i) {
                    const TRgbaBytes c =
                        channels.of(reader.pixelAt(columns[static_cast<std::size_t>(u * across + i)], y));
                    red += std::uint64_t{c.r} * c.a;
                    green += std::uint64_t{c.g} * c.a;
                    blue += std::uint64_t{c.b} * c.a;
                    alpha += c.a;
                }
            }
            const auto average = [alpha](std::uint64_t weighed) {
                return static_cast<Uint8>(alpha == 0 ? 0 : (weighed + alpha / 2) / alpha);
            };
            row[part.x + u] = pack.pixel({average(red), average(green), average(blue),
                                          static_cast<Uint8>((alpha + count / 2) / count)});
        }
    }
}

void TMinimap::draw() {
    if (empty()) {
        return;
    }
    refreshPicture();
    SDL_Surface* screen = display.screen;
    fillArea(screen, area.x - 1, area.y - 1, area.w + 2, area.h + 2, frameColour);
    SDL_Rect at = blitPos;
    SDL_BlitSurface(picture_.get(), nullptr, screen, &at);
    drawTumboks();
    drawView();
}

void TMinimap::drawTumboks() const {
    const TTeamsManager& teams = physics.teams;
    const TTumbok* current = nullptr;
    if (const TTeam* team = teams.teamAt(teams.current.team)) {
        current = team->tumbokAt(teams.current.tumbok);
    }
    SDL_Surface* screen = display.screen;
    for (const TTeam& team : teams.teams) {
        const Uint32 colour = teamColour(team.index);
        for (const TTumbok& tumbok : team.tumboks) {
            if (tumbok.out || !inTerrain(tumbok.position, terrain)) {
                continue;
            }
            const int mx = static_cast<int>(std::trunc(roundHalfEven(tumbok.position.x) * mapScale));
            const int my = static_cast<int>(std::trunc(roundHalfEven(tumbok.position.y) * mapScale));
            const bool active = &tumbok == current;
            fillArea(screen, area.x + mx - 2, area.y + my - 2, 5, 5, active ? colour : dotBlack);
            fillArea(screen, area.x + mx - 1, area.y + my - 1, 3, 3, active ? dotBlack : colour);
        }
    }
}

void TMinimap::fillClipped(SDL_Rect box, int x, int y, int w, int h, Uint32 colour) const {
    const int left = std::max(x, static_cast<int>(box.x));
    const int top = std::max(y, static_cast<int>(box.y));
    const int right = std::min(x + w, box.x + static_cast<int>(box.w));
    const int bottom = std::min(y + h, box.y + static_cast<int>(box.h));
    fillArea(display.screen, left, top, right - left, bottom - top, colour);
}

void TMinimap::drawView() {
    viewRect.x = camera.x;
    viewRect.y = camera.y;
    const double s = mapScale;
    const int x = area.x + roundHalfEven(viewRect.x * s) - 1;
    const int y = area.y + roundHalfEven(viewRect.y * s) - 1;
    const int right = area.x + roundHalfEven((viewRect.x + viewRect.w) * s) - 1;
    const int bottom = area.y + roundHalfEven((viewRect.y + viewRect.h) * s) - 1;
    const int w = roundHalfEven(viewRect.w * s);
    const int h = roundHalfEven(viewRect.h * s);
    // A camera window larger than the map (a small terrain) would otherwise spread over the whole bar.
    SDL_Rect box = area;
    inflateRect(box, outlineReach);
    fillClipped(box, x, y, 2, h, outlineColour);
    fillClipped(box, right, y, 2, h + 2, outlineColour);
    fillClipped(box, x, y, w, 2, outlineColour);
    fillClipped(box, x, bottom, w + 2, 2, outlineColour);
}

std::optional<TMapPoint> TMinimap::mapPointAt(int dx, int dy) const {
    if (empty() || mapScale <= 0.0) {
        return std::nullopt;
    }
    if (dx < 0 || dy < 0 || dx > roundHalfEven(terrain->w * mapScale) ||
        dy > roundHalfEven(terrain->h * mapScale)) {
        return std::nullopt;
    }
    return TMapPoint{roundHalfEven(dx / mapScale), roundHalfEven(dy / mapScale)};
}

bool TMinimap::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN) {
        return false;
    }
    const std::optional<TMapPoint> target = mapPointAt(event.button.x - area.x, event.button.y - area.y);
    if (!target) {
        return false;
    }
    moves.centerOn(false, target->x, target->y);
    freeView = true;
    return true;
}
