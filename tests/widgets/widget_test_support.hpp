// What the widget tests share: a private data directory with small pictures made on the spot, a font with
// solid glyphs of known size, real SDL events and pixel reads.
#pragma once

#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/png_files.hpp"
#include "support/sdl_events.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

struct TRgb {
    int red, green, blue;
    bool operator==(const TRgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TRgb& colour) {
    return out << "(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
}

inline TRgb pixelAt(SDL_Surface* surface, int x, int y) {
    const SurfaceLock lock(surface);
    Uint32 value = 0;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    std::memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    Uint8 red, green, blue;
    SDL_GetRGB(value, surface->format, &red, &green, &blue);
    return {red, green, blue};
}

constexpr TRgb black{0, 0, 0};
constexpr TRgb white{255, 255, 255};

struct TPoint {
    int x, y;
};

// Every point listed must have this colour.
inline void expectColourAt(SDL_Surface* surface, TRgb colour, std::initializer_list<TPoint> points) {
    for (const TPoint& point : points) {
        EXPECT_EQ(pixelAt(surface, point.x, point.y), colour) << "at (" << point.x << ", " << point.y << ")";
    }
}

// Glyph cells of the small font: 12 pixels high, so 9 wide; every glyph is a solid white block.
constexpr int glyphHeight = 12;
constexpr int glyphWidth = 9;

inline SurfacePtr solidSurface(int width, int height, TRgb colour, bool withAlpha = false) {
    SurfacePtr picture = createSurface(width, height, withAlpha);
    SDL_FillRect(picture.get(), nullptr,
                 SDL_MapRGB(picture->format, static_cast<Uint8>(colour.red), static_cast<Uint8>(colour.green),
                            static_cast<Uint8>(colour.blue)));
    return picture;
}

// Runs every widget test inside its own data directory, so the project's generated pictures never matter.
class WidgetTest : public ::testing::Test {
protected:
    // Writes a picture (as a BMP, which the loader recognises by its content) under data/<category>/<name>.
    void writePicture(const std::string& category, const std::string& name, int width, int height,
                      const std::function<TRgb(int, int)>& paint) const {
        SurfacePtr picture = createSurface(width, height, false);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const TRgb colour = paint(x, y);
                SDL_Rect dot = {static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
                SDL_FillRect(picture.get(), &dot,
                             SDL_MapRGB(picture->format, static_cast<Uint8>(colour.red),
                                        static_cast<Uint8>(colour.green), static_cast<Uint8>(colour.blue)));
            }
        }
        const std::filesystem::path path = directory_.path() / "data" / category / name;
        std::filesystem::create_directories(path.parent_path());
        writeSurfacePng(path.string(), picture.get());
    }
    void writeSolidPicture(const std::string& name, int width, int height, TRgb colour) const {
        writePicture("other-images", name, width, height, [colour](int, int) { return colour; });
    }
    void removePicture(const std::string& category, const std::string& name) const {
        std::filesystem::remove(directory_.path() / "data" / category / name);
    }

    const TFont& font() const { return font_; }

private:
    TTempDir directory_;
    TWorkingDirectory workingDirectory_{directory_.path()};
    TFont font_{solidSurface(18 * 95, 24, white, true), solidSurface(12 * 95, 16, white, true),
                solidSurface(glyphWidth * 95, glyphHeight, white, true)};
};
