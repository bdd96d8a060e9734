// The terrain picture as solid matter (alpha >= 128 is solid, outside the picture is empty), its carving,
// and the command interface through which players act on the simulation.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_numbers.hpp"
#include "resources/u_sdl_handles.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

// Beyond any picture SDL can hold; keeps the conversion to int defined.
inline constexpr double pixelIndexLimit = 1 << 30;

// A real coordinate as a pixel index, rounded halves to even; false when it is not a number or far outside
// any picture.
inline bool toPixelIndex(double coordinate, int& index) {
    if (!(std::fabs(coordinate) < pixelIndexLimit)) {
        return false; // also NaN
    }
    index = roundHalfEven(coordinate);
    return true;
}

// Which pixel values of a picture are solid matter: alpha 128 or more, or every value when the picture has
// no alpha channel. Alpha 128 is the top bit of the alpha field, so pixels ORed together hold solid matter
// exactly when one of them does.
class TSolidRule {
public:
    TSolidRule() = default;
    explicit TSolidRule(const SDL_PixelFormat& format)
        : alphaMask_(format.Amask),
          solidFrom_(format.Amask == 0 ? 0u : (128u >> format.Aloss) << format.Ashift) {}

    bool solid(Uint32 pixel) const { return (pixel & alphaMask_) >= solidFrom_; }

private:
    Uint32 alphaMask_ = 0;
    Uint32 solidFrom_ = 0;
};

// Direct, bounds-checked pixel access to a terrain held locked for the reader's lifetime.
// Make one per operation and probe through it: the lock and the format are looked up once.
// The probes are inline: the sweeps of a chain of blasts make millions of them.
class TTerrainReader {
public:
    explicit TTerrainReader(SDL_Surface* terrain);

    // 0 outside the picture.
    Uint32 pixelAt(int x, int y) const {
        if (!inside(x, y)) {
            return 0;
        }
        if (bytesPerPixel_ != 4) {
            return narrowPixelAt(x, y);
        }
        Uint32 value;
        std::memcpy(&value, address(x, y), sizeof value);
        return value;
    }
    bool solidAt(int x, int y) const { return inside(x, y) && isSolidPixel(pixelAt(x, y)); }
    // Whether a pixel value of this picture is solid matter: alpha 128 or more, or no alpha channel.
    bool isSolidPixel(Uint32 pixel) const { return solidRule_.solid(pixel); }
    // The pixel under a real point, rounded halves to even.
    bool solidAt(TVector point) const {
        int x = 0;
        int y = 0;
        return toPixelIndex(point.x, x) && toPixelIndex(point.y, y) && solidAt(x, y);
    }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Writes inside the picture only.
    void writeAt(int x, int y, Uint32 value) const;
    // Direct access for the hot loops on 32-bit pictures: only when bytesPerPixel() is 4 and (x, y) is
    // inside.
    Uint32* pixel32(int x, int y) const { return reinterpret_cast<Uint32*>(address(x, y)); }
    int bytesPerPixel() const { return bytesPerPixel_; }

    int width() const { return width_; }
    int height() const { return height_; }
    const SDL_PixelFormat* format() const { return format_; }

private:
    Uint8* address(int x, int y) const { return pixels_ + y * pitch_ + x * bytesPerPixel_; }
    // Pixels of fewer than 4 bytes, inside the picture.
    Uint32 narrowPixelAt(int x, int y) const;

    SurfaceLock lock_;
    Uint8* pixels_ = nullptr;
    const SDL_PixelFormat* format_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int pitch_ = 0;
    int bytesPerPixel_ = 0;
    TSolidRule solidRule_;
};

Uint32 getPixel(SDL_Surface* terrain, int x, int y);
void setPixel(Uint32 value, TVector point, SDL_Surface* terrain);
bool isSolid(SDL_Surface* terrain, TVector point);
// Each colour component c of a solid pixel loses round(c x percent / 100); alpha is kept.
void darkenPixel(SDL_Surface* terrain, TVector point, int percent);
// The hole of one blast, radius r, with a burnt ring 50 pixels wide around it.
void carveCircle(SDL_Surface* terrain, int radius, int cx, int cy);
// The square of pixels that carving that hole may change.
TPixelRect carvedSquare(int radius, int cx, int cy);

class TByteChannels;

// The hole and burnt ring of one radius worked out once: each pixel around the centre is left alone,
// cleared, or darkened by every ring that passes over it, in the rings' order. Applying it row by row
// gives the same picture as drawing the rings one by one, at a fraction of the cost.
class TCarveFootprint {
public:
    explicit TCarveFootprint(int radius);

    void apply(SDL_Surface* terrain, int cx, int cy) const;

private:
    using TCode = std::uint16_t;
    static constexpr TCode untouched = 0;
    static constexpr TCode cleared = 1;
    static constexpr TCode firstDarkening = 2;

    // A chain of darkenings: the one before (or untouched), then its own percent; the table maps a
    // channel value through the whole chain.
    struct TDarkening {
        TCode before = untouched;
        int percent = 0;
        std::array<Uint8, 256> table{};
    };

    // Footprint columns [from, to) of one row, all cleared or all darkened (or untouched).
    struct TRun {
        int from = 0;
        int to = 0;
        bool clears = false;
    };

    TCode darkenedFurther(TCode code, int percent, std::vector<TCode>& transitions);
    void splitIntoRuns();
    void darkenRow(const TByteChannels& channels, Uint32* pixels, const TCode* codes, int count) const;
    void applyAnyFormat(const TTerrainReader& reader, int x, int y, TCode code) const;
    const TDarkening& darkening(TCode code) const { return darkenings_[code - firstDarkening]; }

    int reach_ = 0; // from the centre to the footprint's edge
    int side_ = 1;
    std::vector<TCode> codes_; // side_ x side_, row by row
    std::vector<TDarkening> darkenings_;
    std::vector<TRun> runs_;
    // The runs of row r are runs_[rowRuns_[r]] up to runs_[rowRuns_[r + 1]].
    std::vector<std::size_t> rowRuns_;
};

// Footprints by radius, made ahead for the radii a match's blasts use and on first need for any other.
class TCarver {
public:
    void prepare(int fromRadius, int toRadius);
    void carve(SDL_Surface* terrain, int radius, int cx, int cy);

private:
    const TCarveFootprint& footprint(int radius);

    std::vector<std::unique_ptr<TCarveFootprint>> byRadius_;
};
// The unit direction, pointing right, of the terrain line between p and the boundary n pixels to one side;
// (0, 1) with false when no boundary lies in that column. With n <= 0: false, direction left as it was.
bool surfaceDirection(TVector p, SDL_Surface* terrain, TDirection side, int n, TVector& direction);

// What a player (human or computer) may do to the match.
class TCallback {
public:
    TCallback() = default;
    TCallback(const TCallback&) = delete;
    TCallback& operator=(const TCallback&) = delete;
    virtual ~TCallback() = default;

    virtual void changeTumbok() = 0;
    virtual TVector walkDisplacement(TVector footPoint, int steps, TDirection direction) = 0;
    virtual void walk(TDirection direction) = 0;
    virtual void jump() = 0;
    // False when the shot was refused (first frame of a turn, end of turn pending).
    virtual bool fire(int power, TWeapon weapon, double angle) = 0;
    virtual void selectWeapon(TWeapon weapon) = 0;
};
