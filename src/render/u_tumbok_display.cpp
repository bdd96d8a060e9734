#include "render/u_tumbok_display.hpp"

#include "model/u_data_teams.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_numbers.hpp"
#include "resources/u_surface_utils.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr int bodyToOrigin = 5;
constexpr int flagOffsetX = -10;
constexpr int flagOffsetY = -7;
constexpr int healthOffsetX = -12;
constexpr int healthOffsetY = -13;
constexpr int healthWidth = 40;
constexpr int healthHeight = 6;
constexpr int legsOffsetY = 50 - TTumbokDisplay::legsHeight;
constexpr int handsOffsetX = 8;
constexpr int handsOffsetY = 16;
constexpr int arrowGap = 60;
// How far around its 16 x 50 box a tumbok's pictures may reach (health bar, weapon, sight).
constexpr int drawingReach = 128;
// Aims are kept per tenth of a degree; a few dozen are ever used, the bound only guards odd callers.
constexpr int aimKeysPerDegree = 10;
constexpr std::size_t aimCacheCapacity = 64;

bool isRight(const TTumbok& t) {
    return t.direction == TDirection::DirectionRight;
}

// The columns [first, end) between a row's first and last visible pixel; first == end when it shows none.
struct TSpan {
    int first = 0;
    int end = 0;
    bool empty() const { return first >= end; }
    int width() const { return end - first; }
};

TSpan visibleSpan(const SDL_Surface* picture, int y) {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) + y * picture->pitch);
    const Uint32 alpha = picture->format->Amask;
    TSpan span{0, picture->w};
    while (span.first < span.end && (row[span.first] & alpha) == 0) {
        ++span.first;
    }
    while (span.end > span.first && (row[span.end - 1] & alpha) == 0) {
        --span.end;
    }
    return span;
}

TSpan unite(TSpan a, TSpan b) {
    if (a.empty()) {
        return b;
    }
    if (b.empty()) {
        return a;
    }
    return {std::min(a.first, b.first), std::max(a.end, b.end)};
}

// What one more blit costs, in pixels blitted: a band is split off only when it saves more than this.
constexpr int blitCostInPixels = 64;

// Rows [firstRow, endRow) cut to the columns they show.
struct TBand {
    int firstRow = 0;
    int endRow = 0;
    TSpan columns;
};

// Splits the rows into bands, each cut to the columns its rows show, so that the fewest pixels and blits
// are spent; bands that show nothing are dropped.
std::vector<TBand> bandsOf(const std::vector<TSpan>& spans) {
    const int h = static_cast<int>(spans.size());
    std::vector<int> cost(static_cast<std::size_t>(h) + 1, 0);
    std::vector<TBand> last(static_cast<std::size_t>(h) + 1); // the best split's band ending at each row
    for (int end = 1; end <= h; ++end) {
        cost[end] = -1;
        TSpan columns;
        for (int first = end - 1; first >= 0; --first) {
            columns = unite(columns, spans[first]);
            const int bandCost = columns.empty() ? 0 : blitCostInPixels + columns.width() * (end - first);
            if (cost[end] < 0 || cost[first] + bandCost < cost[end]) {
                cost[end] = cost[first] + bandCost;
                last[end] = {first, end, columns};
            }
        }
    }
    std::vector<TBand> bands;
    for (int end = h; end > 0; end = last[end].firstRow) {
        if (!last[end].columns.empty()) {
            bands.push_back(last[end]);
        }
    }
    std::reverse(bands.begin(), bands.end());
    return bands;
}

// The rectangle of a 32-bit alpha picture made by createSurface, as a picture of its own.
SurfacePtr partOf(SDL_Surface* picture, int x, int y, int w, int h) {
    SurfacePtr part = createSurface(w, h, true);
    if (part->w != w || part->h != h || part->pitch < w * 4) {
        return nullptr;
    }
    const SurfaceLock lockPart(part.get());
    for (int row = 0; row < h; ++row) {
        std::memcpy(static_cast<Uint8*>(part->pixels) + row * part->pitch,
                    static_cast<const Uint8*>(picture->pixels) + (y + row) * picture->pitch + x * 4,
                    static_cast<std::size_t>(w) * 4);
    }
    SDL_SetAlpha(part.get(), SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    return part;
}

} // namespace

// Blitting a fully transparent pixel changes nothing, so a figure need not carry the clear pixels around
// it: hundreds are drawn every frame. The figure's flag sticks out to the side of its body, so it is cut
// into bands of rows, each trimmed to what it shows.
std::vector<TTumbokDisplay::TFigurePart> TTumbokDisplay::visibleParts(SDL_Surface* picture,
                                                                      TPixelPoint offset) {
    std::vector<TFigurePart> parts;
    if (picture == nullptr || picture->w <= 0 || picture->h <= 0 || picture->format->BytesPerPixel != 4 ||
        picture->format->Amask == 0) {
        return parts;
    }
    const SurfaceLock lock(picture);
    std::vector<TSpan> spans;
    spans.reserve(static_cast<std::size_t>(picture->h));
    for (int y = 0; y < picture->h; ++y) {
        spans.push_back(visibleSpan(picture, y));
    }
    for (const TBand& band : bandsOf(spans)) {
        SurfacePtr part = partOf(picture, band.columns.first, band.firstRow, band.columns.width(),
                                 band.endRow - band.firstRow);
        if (part == nullptr) {
            return {};
        }
        parts.push_back({std::move(part), {offset.x + band.columns.first, offset.y + band.firstRow}});
    }
    return parts;
}

TTumbokDisplay::TTumbokDisplay(TDisplay& display, TMoves& moves, const TTeamsManager& teams)
    : TBasicDisplay(display, moves), teams(teams), arrowImage(loadGameImage(dataFile::bigArrow)),
      legsImage(loadGameImage(dataFile::tumbokLegs)), bodyImage(loadGameImage(dataFile::tumbokBellyHead)),
      handsLeft(loadGameImage(dataFile::handsLeft)), handsRight(loadGameImage(dataFile::handsRight)),
      deadImage(loadGameImage(dataFile::tumbokDead)),
      healthBar(
          std::make_unique<TWidgetProgressBar>(0, TTumbok::fullHealth, healthWidth, healthHeight, 1, true)),
      aimedLeft_(aimCacheCapacity), aimedRight_(aimCacheCapacity) {
    setWeapon(TWeapon::WeaponBazooka);
    healthBar->backColour = SDL_MapRGB(healthBar->surface->format, 0, 0, 0);
    healthBar->draw();
}

TTumbokDisplay::~TTumbokDisplay() = default;

void TTumbokDisplay::setWeapon(TWeapon newWeapon) {
    weapon = newWeapon;
    // The new pictures may reuse the old ones' addresses: drop every turned copy first.
    aimedLeft_.clear();
    aimedRight_.clear();
    weaponLeft.reset();
    weaponRight.reset();
    weaponLeft = weaponImage(newWeapon, false);
    weaponRight = weaponImage(newWeapon, true);
}

void TTumbokDisplay::changeAim(double delta) {
    aimAngle = std::clamp(aimAngle + delta, -aimLimit, aimLimit);
}

double TTumbokDisplay::firingAngle(const TTumbok& t) const {
    return isRight(t) ? aimAngle : 180.0 - aimAngle;
}

TPixelPoint TTumbokDisplay::origin(const TTumbok& t) const {
    return {screenX(mapPixel(t.position.x - bodyToOrigin)), screenY(mapPixel(t.position.y - bodyToOrigin))};
}

TPixelPoint TTumbokDisplay::sightOffset(const TTumbok& t) const {
    const double theta = -firingAngle(t) * std::numbers::pi / 180.0;
    return {roundHalfEven(sightDistance * std::cos(theta)), roundHalfEven(sightDistance * std::sin(theta))};
}

void TTumbokDisplay::draw(const TTumbok& t, bool active) {
    const TPixelPoint o = origin(t);
    if (!isVisible(o.x - drawingReach, o.y - drawingReach, legsWidth + 2 * drawingReach,
                   50 + 2 * drawingReach)) {
        return;
    }
    if (!active) {
        if (const TFigure* figure = figureOf(t)) {
            // The bar only meets the flag's frame on the frame's top row, where both are black: drawing the
            // bar first shows the same picture as drawing it between the flag and the legs.
            drawHealth(t, o);
            for (const TFigurePart& part : figure->parts) {
                blitToScreen(part.picture.get(), nullptr, o.x + part.offset.x, o.y + part.offset.y);
            }
            return;
        }
    }
    drawFlag(t, o);
    drawHealth(t, o);
    drawLegs(t, o);
    drawBody(t, o);
    drawArms(t, active, o);
}

SDL_Surface* TTumbokDisplay::flagOf(const TTumbok& t) const {
    const TTeam* team = teams.teamAt(t.team);
    return team != nullptr ? team->flagSmall.get() : nullptr;
}

void TTumbokDisplay::drawFlag(const TTumbok& t, TPixelPoint o) {
    SDL_Surface* flag = flagOf(t);
    if (flag == nullptr || flag->w <= 0 || flag->h <= 0) {
        return;
    }
    const int x = o.x + flagOffsetX;
    const int y = o.y + flagOffsetY;
    fillOnScreen(x - 1, y - 1, flag->w + 2, flag->h + 2, SDL_MapRGB(screen()->format, 0, 0, 0));
    blitToScreen(flag, nullptr, x, y);
}

SDL_Surface* TTumbokDisplay::healthPicture(int health) {
    const int value = std::clamp(health, 0, TTumbok::fullHealth);
    SurfacePtr& kept = healthBars_[static_cast<std::size_t>(value)];
    if (kept == nullptr) {
        healthBar->setValue(value);
        kept = copyPicture(healthBar->surface.get());
        // The bar is drawn as the widget draws it, a plain copy of its pixels.
        if (kept != nullptr) {
            SDL_SetAlpha(kept.get(), 0, SDL_ALPHA_OPAQUE);
        }
    }
    return kept.get();
}

void TTumbokDisplay::drawHealth(const TTumbok& t, TPixelPoint o) {
    blitToScreen(healthPicture(t.health), nullptr, o.x + healthOffsetX, o.y + healthOffsetY);
}

const TTumbokDisplay::TFigure* TTumbokDisplay::figureOf(const TTumbok& t) {
    if (t.frame < 0 || t.frame >= TTumbok::walkFrames || t.team < 0) {
        return nullptr;
    }
    const std::array<const SDL_Surface*, 4> sources = {
        legsImage.get(), bodyImage.get(), isRight(t) ? handsRight.get() : handsLeft.get(), flagOf(t)};
    const int key = (t.team * 2 + (isRight(t) ? 1 : 0)) * TTumbok::walkFrames + t.frame;
    TFigure& figure = figures_[key];
    // Pictures replaced since (a new match set, tests) make the figure again.
    if (figure.parts.empty() || figure.sources != sources) {
        figure = composeFigure(t, sources);
    }
    return !figure.parts.empty() ? &figure : nullptr;
}

TTumbokDisplay::TFigure
TTumbokDisplay::composeFigure(const TTumbok& t, const std::array<const SDL_Surface*, 4>& sources) const {
    SDL_Surface* flag = flagOf(t);
    SDL_Surface* hands = isRight(t) ? handsRight.get() : handsLeft.get();
    const bool hasFlag = flag != nullptr && flag->w > 0 && flag->h > 0;
    const int bodyHalf = bodyImage->w / 2;
    // Everything relative to the origin O; the flag's frame reaches one pixel further.
    const int left =
        std::min({0, hands->w > 0 ? handsOffsetX - hands->w / 2 : 0, hasFlag ? flagOffsetX - 1 : 0});
    const int top =
        std::min({0, hands->h > 0 ? handsOffsetY - hands->h / 2 : 0, hasFlag ? flagOffsetY - 1 : 0});
    const int right = std::max({legsWidth, bodyHalf, handsOffsetX - hands->w / 2 + hands->w,
                                hasFlag ? flagOffsetX + flag->w + 1 : 0});
    const int bottom =
        std::max({legsOffsetY + legsHeight, bodyImage->h, handsOffsetY - hands->h / 2 + hands->h,
                  hasFlag ? flagOffsetY + flag->h + 1 : 0});
    TFigure figure;
    figure.sources = sources;
    const SurfacePtr whole = createSurface(right - left, bottom - top, true);
    SDL_Surface* picture = whole.get();
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, 0, 0, 0, 0));
    const auto at = [&](int x, int y) { return TPixelPoint{x - left, y - top}; };
    if (hasFlag) {
        const TPixelPoint f = at(flagOffsetX, flagOffsetY);
        SDL_Rect frame = {static_cast<Sint16>(f.x - 1), static_cast<Sint16>(f.y - 1),
                          static_cast<Uint16>(flag->w + 2), static_cast<Uint16>(flag->h + 2)};
        SDL_FillRect(picture, &frame, SDL_MapRGBA(picture->format, 0, 0, 0, 255));
        composeOver(flag, nullptr, picture, f.x, f.y);
    }
    SDL_Surface* legs = legsImage.get();
    SDL_Rect legsPart = {static_cast<Sint16>(isRight(t) ? legs->w / 2 : 0),
                         static_cast<Sint16>(t.frame * legsHeight), legsWidth, legsHeight};
    if (legsPart.x + legsWidth <= legs->w && legsPart.y + legsHeight <= legs->h) {
        const TPixelPoint l = at(0, legsOffsetY);
        composeOver(legs, &legsPart, picture, l.x, l.y);
    }
    if (bodyHalf > 0) {
        SDL_Rect bodyPart = {static_cast<Sint16>(isRight(t) ? bodyHalf : 0), 0, static_cast<Uint16>(bodyHalf),
                             static_cast<Uint16>(bodyImage->h)};
        const TPixelPoint b = at(0, 0);
        composeOver(bodyImage.get(), &bodyPart, picture, b.x, b.y);
    }
    const TPixelPoint h = at(handsOffsetX - hands->w / 2, handsOffsetY - hands->h / 2);
    composeOver(hands, nullptr, picture, h.x, h.y);
    figure.parts = visibleParts(picture, {left, top});
    return figure;
}

void TTumbokDisplay::drawLegs(const TTumbok& t, TPixelPoint o) {
    SDL_Surface* legs = legsImage.get();
    SDL_Rect part = {static_cast<Sint16>(isRight(t) ? legs->w / 2 : 0),
                     static_cast<Sint16>(t.frame * legsHeight), legsWidth, legsHeight};
    if (part.x + legsWidth > legs->w || part.y + legsHeight > legs->h || t.frame < 0) {
        return;
    }
    blitToScreen(legs, &part, o.x, o.y + legsOffsetY);
}

void TTumbokDisplay::drawBody(const TTumbok& t, TPixelPoint o) {
    SDL_Surface* body = bodyImage.get();
    const int half = body->w / 2;
    SDL_Rect part = {static_cast<Sint16>(isRight(t) ? half : 0), 0, static_cast<Uint16>(half),
                     static_cast<Uint16>(body->h)};
    if (half <= 0) {
        return;
    }
    blitToScreen(body, &part, o.x, o.y);
}

SDL_Surface* TTumbokDisplay::aimedWeapon(TDirection facing) {
    const bool right = facing == TDirection::DirectionRight;
    SDL_Surface* source = right ? weaponRight.get() : weaponLeft.get();
    TPictureCache& cache = right ? aimedRight_ : aimedLeft_;
    const int key = roundHalfEven(aimAngle * aimKeysPerDegree);
    // SDL_gfx turns counter-clockwise for positive angles: the left picture turns the other way.
    const double turn = (right ? key : -key) / static_cast<double>(aimKeysPerDegree);
    return cache.obtain(source, key, [&] { return rotatePicture(source, turn); });
}

void TTumbokDisplay::drawArms(const TTumbok& t, bool active, TPixelPoint o) {
    const TPixelPoint hands = {o.x + handsOffsetX, o.y + handsOffsetY};
    SDL_Surface* picture =
        active ? aimedWeapon(t.direction) : (isRight(t) ? handsRight.get() : handsLeft.get());
    if (picture != nullptr) {
        blitToScreen(picture, nullptr, hands.x - picture->w / 2, hands.y - picture->h / 2);
    }
    if (active) {
        drawSight(t, hands);
    }
}

void TTumbokDisplay::drawSight(const TTumbok& t, TPixelPoint hands) {
    const TPixelPoint offset = sightOffset(t);
    const int x = hands.x + offset.x;
    const int y = hands.y + offset.y;
    fillOnScreen(x - 1, y - 1, 3, 3, SDL_MapRGB(screen()->format, 0, 0, 0));
    fillOnScreen(x, y, 1, 1, SDL_MapRGB(screen()->format, 255, 255, 255));
}

void TTumbokDisplay::drawArrow(const TTumbok& t) {
    const TPixelPoint o = origin(t);
    SDL_Surface* arrow = arrowImage.get();
    blitToScreen(arrow, nullptr, o.x + handsOffsetX - arrow->w / 2, o.y + handsOffsetY - arrow->h - arrowGap);
}

TPixelRect TTumbokDisplay::stampDead(const TTumbok& t, SDL_Surface* terrain) {
    const double left = t.position.x - bodyToOrigin;
    const double top = t.position.y - bodyToOrigin;
    const TPixelRect grave = blendAt(deadImage.get(), terrain, mapPixel(left), mapPixel(top + 7));
    return unite(grave, blendAt(flagOf(t), terrain, mapPixel(left + 11), mapPixel(top + 25 + 7)));
}
