#include "physics/u_physics_data.hpp"

#include "resources/u_numbers.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int burntRingWidth = 50;
// Beyond any picture SDL can hold; keeps the conversion to int defined.
constexpr double pixelIndexLimit = 1 << 30;

Uint8 darkened(Uint8 component, int percent) {
    const int c = component;
    return static_cast<Uint8>(std::clamp(c - roundHalfEven(c * percent / 100.0), 0, 255));
}

// The eight points a circle step touches, mirrored in both axes and the diagonals.
template <typename Action> void forEightPoints(int cx, int cy, int x, int y, Action action) {
    action(cx + x, cy + y);
    action(cx - x, cy + y);
    action(cx + x, cy - y);
    action(cx - x, cy - y);
    action(cx + y, cy + x);
    action(cx - y, cy + x);
    action(cx + y, cy - x);
    action(cx - y, cy - x);
}

void darkenAt(const TTerrainReader& reader, int x, int y, int percent) {
    if (!reader.solidAt(x, y)) {
        return;
    }
    Uint8 r, g, b, a;
    SDL_GetRGBA(reader.pixelAt(x, y), const_cast<SDL_PixelFormat*>(reader.format()), &r, &g, &b, &a);
    reader.writeAt(x, y,
                   SDL_MapRGBA(const_cast<SDL_PixelFormat*>(reader.format()), darkened(r, percent),
                               darkened(g, percent), darkened(b, percent), a));
}

} // namespace

bool toPixelIndex(double coordinate, int& index) {
    if (!(std::fabs(coordinate) < pixelIndexLimit)) {
        return false; // also NaN
    }
    index = roundHalfEven(coordinate);
    return true;
}

TTerrainReader::TTerrainReader(SDL_Surface* terrain) : lock_(terrain) {
    if (terrain == nullptr || terrain->pixels == nullptr || terrain->format == nullptr) {
        return; // reads as an empty picture of size 0 x 0
    }
    pixels_ = static_cast<Uint8*>(terrain->pixels);
    format_ = terrain->format;
    width_ = std::max(terrain->w, 0);
    height_ = std::max(terrain->h, 0);
    pitch_ = terrain->pitch;
    bytesPerPixel_ = terrain->format->BytesPerPixel;
}

Uint8* TTerrainReader::address(int x, int y) const {
    return pixels_ + y * pitch_ + x * bytesPerPixel_;
}

Uint32 TTerrainReader::pixelAt(int x, int y) const {
    if (!inside(x, y)) {
        return 0;
    }
    const Uint8* p = address(x, y);
    switch (bytesPerPixel_) {
    case 4: {
        Uint32 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case 3: // only a picture in an unusual format; read no byte past the pixel
        return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (Uint32{p[0]} << 16 | Uint32{p[1]} << 8 | p[2])
                                               : (Uint32{p[2]} << 16 | Uint32{p[1]} << 8 | p[0]);
    case 2: {
        Uint16 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case 1:
        return *p;
    default:
        return 0;
    }
}

bool TTerrainReader::solidAt(int x, int y) const {
    if (!inside(x, y)) {
        return false;
    }
    const Uint32 pixel = pixelAt(x, y);
    // A picture without an alpha channel is opaque everywhere.
    const Uint32 alpha =
        format_->Amask == 0 ? 255u : ((pixel & format_->Amask) >> format_->Ashift) << format_->Aloss;
    return alpha >= 128u;
}

bool TTerrainReader::solidAt(TVector point) const {
    int x = 0;
    int y = 0;
    return toPixelIndex(point.x, x) && toPixelIndex(point.y, y) && solidAt(x, y);
}

void TTerrainReader::writeAt(int x, int y, Uint32 value) const {
    if (!inside(x, y)) {
        return;
    }
    Uint8* p = address(x, y);
    switch (bytesPerPixel_) {
    case 4:
        std::memcpy(p, &value, sizeof value);
        break;
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
            p[0] = static_cast<Uint8>(value >> 16);
            p[1] = static_cast<Uint8>(value >> 8);
            p[2] = static_cast<Uint8>(value);
        } else {
            p[0] = static_cast<Uint8>(value);
            p[1] = static_cast<Uint8>(value >> 8);
            p[2] = static_cast<Uint8>(value >> 16);
        }
        break;
    case 2: {
        const auto narrow = static_cast<Uint16>(value);
        std::memcpy(p, &narrow, sizeof narrow);
        break;
    }
    case 1:
        *p = static_cast<Uint8>(value);
        break;
    default:
        break;
    }
}

Uint32 getPixel(SDL_Surface* terrain, int x, int y) {
    return TTerrainReader(terrain).pixelAt(x, y);
}

void setPixel(Uint32 value, TVector point, SDL_Surface* terrain) {
    int x = 0;
    int y = 0;
    if (toPixelIndex(point.x, x) && toPixelIndex(point.y, y)) {
        TTerrainReader(terrain).writeAt(x, y, value);
    }
}

bool isSolid(SDL_Surface* terrain, TVector point) {
    return TTerrainReader(terrain).solidAt(point);
}

void darkenPixel(SDL_Surface* terrain, TVector point, int percent) {
    int x = 0;
    int y = 0;
    if (toPixelIndex(point.x, x) && toPixelIndex(point.y, y)) {
        darkenAt(TTerrainReader(terrain), x, y, percent);
    }
}

void carveCircle(SDL_Surface* terrain, int radius, int cx, int cy) {
    const TTerrainReader reader(terrain);
    const int outer = radius + burntRingWidth;
    int ring = 1;
    for (int k = outer; k >= 1; --k, ++ring) {
        int x = 0;
        int y = k;
        int d = k;
        // Every round moves x up or y down, so y - x shrinks and the loop ends.
        while (y >= x) {
            if (k > radius) {
                forEightPoints(cx, cy, x, y, [&](int px, int py) { darkenAt(reader, px, py, ring); });
            } else {
                forEightPoints(cx, cy, x, y, [&](int px, int py) { reader.writeAt(px, py, 0); });
            }
            if (2 * x <= d) {
                d -= 2 * x + 1;
                ++x;
            } else if (2 * (outer - y) > d) {
                d += 2 * y - 1;
                --y;
            } else {
                d += 2 * (y - x - 1);
                --y;
                ++x;
            }
        }
    }
    reader.writeAt(cx, cy, 0);
}

bool surfaceDirection(TVector p, SDL_Surface* terrain, TDirection side, int n, TVector& direction) {
    if (n <= 0) {
        return false;
    }
    const TTerrainReader reader(terrain);
    const double column = side == TDirection::DirectionRight ? p.x + n : p.x - n;
    const bool startSolid = reader.solidAt(vector(column, p.y));
    int columnIndex = 0;
    // A column outside the picture is empty all the way: no boundary there.
    const bool columnInside =
        toPixelIndex(column, columnIndex) && columnIndex >= 0 && columnIndex < reader.width();
    bool found = false;
    int h = 0;
    const int rounds = 100 * n;
    for (int i = 0; columnInside && !found && i < rounds; ++i) {
        const TVector below = vector(column, p.y + i);
        const TVector above = vector(column, p.y - i);
        if (reader.solidAt(below) != startSolid) {
            h = i - 1;
            found = true;
        }
        if (reader.solidAt(above) != startSolid) {
            h = 1 - i;
            found = true;
        }
        int belowIndex = 0;
        int aboveIndex = 0;
        const bool beyondBothEnds = toPixelIndex(below.y, belowIndex) && toPixelIndex(above.y, aboveIndex) &&
                                    belowIndex >= reader.height() && aboveIndex < 0;
        if (beyondBothEnds) {
            break; // every later probe reads empty: found already if the start was solid, never otherwise
        }
    }
    if (!found) {
        direction = vector(0.0, 1.0);
        return false;
    }
    if (side == TDirection::DirectionLeft) {
        h = -h;
    }
    direction = normalize(vector(n, h));
    return true;
}
