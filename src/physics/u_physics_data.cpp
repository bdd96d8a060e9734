#include "physics/u_physics_data.hpp"

#include "resources/u_numbers.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

// Where the channels of a byte-channel pixel sit, copied out of the format once per operation.
class TByteChannels {
public:
    explicit TByteChannels(const SDL_PixelFormat& f)
        : rMask_(f.Rmask), gMask_(f.Gmask), bMask_(f.Bmask), kept_(~(f.Rmask | f.Gmask | f.Bmask)),
          solidRule_(f), rShift_(f.Rshift), gShift_(f.Gshift), bShift_(f.Bshift) {}

    bool solid(Uint32 pixel) const { return solidRule_.solid(pixel); }
    // Whether any of eight pixels is solid, in one test.
    bool anySolid(const Uint32* eight) const {
        return solid(eight[0] | eight[1] | eight[2] | eight[3] | eight[4] | eight[5] | eight[6] | eight[7]);
    }
    // Alpha and any other bits are kept.
    Uint32 darkened(Uint32 pixel, const std::array<Uint8, 256>& table) const {
        return Uint32{table[(pixel & rMask_) >> rShift_]} << rShift_ |
               Uint32{table[(pixel & gMask_) >> gShift_]} << gShift_ |
               Uint32{table[(pixel & bMask_) >> bShift_]} << bShift_ | (pixel & kept_);
    }

private:
    Uint32 rMask_, gMask_, bMask_, kept_;
    TSolidRule solidRule_;
    Uint8 rShift_, gShift_, bShift_;
};

namespace {

constexpr int burntRingWidth = 50;

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

constexpr int tabulatedPercents = 101;

// Every channel value darkened by every percentage from 0 to 100: a blast's burnt ring darkens tens of
// thousands of pixels, and this keeps the rounding out of the loop.
const std::array<Uint8, 256>& darkenTable(int percent) {
    static const auto tables = [] {
        std::array<std::array<Uint8, 256>, tabulatedPercents> built{};
        for (int p = 0; p < tabulatedPercents; ++p) {
            for (int c = 0; c < 256; ++c) {
                built[static_cast<std::size_t>(p)][static_cast<std::size_t>(c)] =
                    darkened(static_cast<Uint8>(c), p);
            }
        }
        return built;
    }();
    return tables[static_cast<std::size_t>(percent)];
}

// 32-bit pixels with whole bytes per channel, as every terrain loaded with alpha is.
bool hasByteChannels(const SDL_PixelFormat& format) {
    return format.BytesPerPixel == 4 && format.Rloss == 0 && format.Gloss == 0 && format.Bloss == 0;
}

void darkenAt(const TTerrainReader& reader, int x, int y, int percent) {
    if (!reader.inside(x, y)) {
        return;
    }
    const Uint32 pixel = reader.pixelAt(x, y);
    if (!reader.isSolidPixel(pixel)) {
        return;
    }
    const SDL_PixelFormat& format = *reader.format();
    if (hasByteChannels(format) && percent >= 0 && percent < tabulatedPercents) {
        reader.writeAt(x, y, TByteChannels(format).darkened(pixel, darkenTable(percent)));
        return;
    }
    Uint8 r, g, b, a;
    SDL_GetRGBA(pixel, const_cast<SDL_PixelFormat*>(&format), &r, &g, &b, &a);
    reader.writeAt(x, y,
                   SDL_MapRGBA(const_cast<SDL_PixelFormat*>(&format), darkened(r, percent),
                               darkened(g, percent), darkened(b, percent), a));
}

} // namespace

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
    solidRule_ = TSolidRule(*terrain->format);
}

Uint32 TTerrainReader::narrowPixelAt(int x, int y) const {
    const Uint8* p = address(x, y);
    switch (bytesPerPixel_) {
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
    TCarveFootprint(radius).apply(terrain, cx, cy);
}

TPixelRect carvedSquare(int radius, int cx, int cy) {
    const int reach = std::max(radius + burntRingWidth, 0);
    return {cx - reach, cy - reach, 2 * reach + 1, 2 * reach + 1};
}

TCarveFootprint::TCarveFootprint(int radius) {
    const int outer = radius + burntRingWidth;
    reach_ = std::max(outer, 0);
    side_ = 2 * reach_ + 1;
    codes_.assign(static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_), untouched);
    std::vector<TCode> transitions;
    const auto cell = [&](int px, int py) -> TCode& {
        return codes_[static_cast<std::size_t>(py * side_ + px)];
    };
    // The rings are drawn as the first carve drew them, from the outside in, onto the footprint instead
    // of the picture.
    int ring = 1;
    for (int k = outer; k >= 1; --k, ++ring) {
        const int percent = std::min(ring, tabulatedPercents - 1);
        const auto burn = [&](int px, int py) {
            TCode& code = cell(px, py);
            code = darkenedFurther(code, percent, transitions);
        };
        const auto clear = [&](int px, int py) { cell(px, py) = cleared; };
        int x = 0;
        int y = k;
        int d = k;
        // Every round moves x up or y down, so y - x shrinks and the loop ends.
        while (y >= x) {
            if (k > radius) {
                forEightPoints(reach_, reach_, x, y, burn);
            } else {
                forEightPoints(reach_, reach_, x, y, clear);
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
    cell(reach_, reach_) = cleared;
    splitIntoRuns();
}

// Each row becomes runs of cleared pixels and runs of darkened ones, with the untouched ends left out.
void TCarveFootprint::splitIntoRuns() {
    rowRuns_.assign(1, 0);
    for (int row = 0; row < side_; ++row) {
        const TCode* codes = &codes_[static_cast<std::size_t>(row * side_)];
        int column = 0;
        while (column < side_) {
            if (codes[column] == untouched) {
                ++column;
                continue;
            }
            const bool clears = codes[column] == cleared;
            int last = column;
            for (int next = column + 1; next < side_ && (codes[next] == cleared) == clears; ++next) {
                if (codes[next] != untouched) {
                    last = next;
                }
            }
            runs_.push_back({column, last + 1, clears});
            column = last + 1;
        }
        rowRuns_.push_back(runs_.size());
    }
}

// A cleared pixel stays cleared: it is no longer solid, so later rings leave it alone.
TCarveFootprint::TCode TCarveFootprint::darkenedFurther(TCode code, int percent,
                                                        std::vector<TCode>& transitions) {
    if (code == cleared) {
        return cleared;
    }
    const std::size_t slot =
        static_cast<std::size_t>(code) * tabulatedPercents + static_cast<std::size_t>(percent);
    if (slot < transitions.size() && transitions[slot] != untouched) {
        return transitions[slot];
    }
    TDarkening next;
    next.before = code;
    next.percent = percent;
    const std::array<Uint8, 256>& step = darkenTable(percent);
    for (std::size_t c = 0; c < next.table.size(); ++c) {
        const Uint8 earlier = code == untouched ? static_cast<Uint8>(c) : darkening(code).table[c];
        next.table[c] = step[earlier];
    }
    darkenings_.push_back(next);
    const auto added = static_cast<TCode>(darkenings_.size() - 1 + firstDarkening);
    transitions.resize(
        std::max(transitions.size(), (static_cast<std::size_t>(added) + 1) * tabulatedPercents), untouched);
    transitions[slot] = added;
    return added;
}

void TCarveFootprint::apply(SDL_Surface* terrain, int cx, int cy) const {
    const TTerrainReader reader(terrain);
    const int left = cx - reach_;
    const int y0 = std::max(cy - reach_, 0);
    const int y1 = std::min(cy + reach_ + 1, reader.height());
    if (y0 >= y1 || left >= reader.width() || cx + reach_ < 0) {
        return;
    }
    const bool byteChannels = hasByteChannels(*reader.format());
    const TByteChannels channels(*reader.format());
    for (int y = y0; y < y1; ++y) {
        const auto row = static_cast<std::size_t>(y - cy + reach_);
        for (std::size_t r = rowRuns_[row]; r < rowRuns_[row + 1]; ++r) {
            const TRun& run = runs_[r];
            const int from = std::max(left + run.from, 0);
            const int to = std::min(left + run.to, reader.width());
            if (from >= to) {
                continue;
            }
            const TCode* codes =
                &codes_[row * static_cast<std::size_t>(side_) + static_cast<std::size_t>(from - left)];
            if (!byteChannels) {
                for (int x = from; x < to; ++x) {
                    applyAnyFormat(reader, x, y, codes[x - from]);
                }
            } else if (run.clears) {
                std::fill_n(reader.pixel32(from, y), to - from, Uint32{0});
            } else {
                darkenRow(channels, reader.pixel32(from, y), codes, to - from);
            }
        }
    }
}

// The common 32-bit picture is worked on in place, with the whole chain of darkenings in one table.
void TCarveFootprint::darkenRow(const TByteChannels& layout, Uint32* pixels, const TCode* codes,
                                int count) const {
    const TByteChannels channels = layout; // a copy the pixel writes cannot alias
    const auto darkenOne = [&](int i) {
        const Uint32 pixel = pixels[i];
        if (channels.solid(pixel) && codes[i] != untouched) {
            pixels[i] = channels.darkened(pixel, darkening(codes[i]).table);
        }
    };
    // Most of a ring lies over the sky or over holes the blasts before have made: groups of pixels with
    // nothing solid are passed over with one test.
    constexpr int group = 8;
    int i = 0;
    for (; i + group <= count; i += group) {
        if (channels.anySolid(pixels + i)) {
            for (int k = i; k < i + group; ++k) {
                darkenOne(k);
            }
        }
    }
    for (; i < count; ++i) {
        darkenOne(i);
    }
}

void TCarveFootprint::applyAnyFormat(const TTerrainReader& reader, int x, int y, TCode code) const {
    if (code == untouched) {
        return;
    }
    if (code == cleared) {
        reader.writeAt(x, y, 0);
        return;
    }
    const TDarkening& last = darkening(code);
    if (last.before != untouched) {
        applyAnyFormat(reader, x, y, last.before);
    }
    darkenAt(reader, x, y, last.percent);
}

void TCarver::prepare(int fromRadius, int toRadius) {
    for (int radius = std::max(fromRadius, 0); radius <= toRadius; ++radius) {
        footprint(radius);
    }
}

void TCarver::carve(SDL_Surface* terrain, int radius, int cx, int cy) {
    if (radius < 0) {
        carveCircle(terrain, radius, cx, cy);
        return;
    }
    footprint(radius).apply(terrain, cx, cy);
}

const TCarveFootprint& TCarver::footprint(int radius) {
    const auto index = static_cast<std::size_t>(radius);
    if (index >= byRadius_.size()) {
        byRadius_.resize(index + 1);
    }
    std::unique_ptr<TCarveFootprint>& kept = byRadius_[index];
    if (!kept) {
        kept = std::make_unique<TCarveFootprint>(radius);
    }
    return *kept;
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
