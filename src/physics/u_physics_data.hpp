// The terrain picture as solid matter (alpha >= 128 is solid, outside the picture is empty), its carving,
// and the command interface through which players act on the simulation.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

#include <cstdint>

// Direct, bounds-checked pixel access to a terrain held locked for the reader's lifetime.
// Make one per operation and probe through it: the lock and the format are looked up once.
class TTerrainReader {
public:
    explicit TTerrainReader(SDL_Surface* terrain);

    // 0 outside the picture.
    Uint32 pixelAt(int x, int y) const;
    bool solidAt(int x, int y) const;
    // The pixel under a real point, rounded halves to even.
    bool solidAt(TVector point) const;
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Writes inside the picture only.
    void writeAt(int x, int y, Uint32 value) const;

    int width() const { return width_; }
    int height() const { return height_; }
    const SDL_PixelFormat* format() const { return format_; }

private:
    Uint8* address(int x, int y) const;

    SurfaceLock lock_;
    Uint8* pixels_ = nullptr;
    const SDL_PixelFormat* format_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int pitch_ = 0;
    int bytesPerPixel_ = 0;
};

// A real coordinate as a pixel index, rounded halves to even; false when it is not a number or far outside
// any picture.
bool toPixelIndex(double coordinate, int& index);

Uint32 getPixel(SDL_Surface* terrain, int x, int y);
void setPixel(Uint32 value, TVector point, SDL_Surface* terrain);
bool isSolid(SDL_Surface* terrain, TVector point);
// Each colour component c of a solid pixel loses round(c x percent / 100); alpha is kept.
void darkenPixel(SDL_Surface* terrain, TVector point, int percent);
// The hole of one blast, radius r, with a burnt ring 50 pixels wide around it.
void carveCircle(SDL_Surface* terrain, int radius, int cx, int cy);
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
