// The render harness: the real display on the dummy video surface, a camera over a terrain and background
// made in the test, pictures of known colours and sizes, and pixel reads on the window.
#pragma once

#include "app/u_display.hpp"
#include "app/u_preferences.hpp"
#include "render/u_map_moves.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"
#include "support/png_files.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

inline std::ostream& operator<<(std::ostream& out, const TRgba& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

namespace render_test {

inline constexpr TRgba backdrop{40, 40, 40, 255};
inline constexpr TRgba red{220, 0, 0, 255};
inline constexpr TRgba green{0, 200, 0, 255};
inline constexpr TRgba blue{0, 0, 230, 255};
inline constexpr TRgba yellow{230, 230, 0, 255};
inline constexpr TRgba white{255, 255, 255, 255};
inline constexpr TRgba black{0, 0, 0, 255};

// An opaque picture of one colour, in the display format with alpha.
inline SurfacePtr solidPicture(int width, int height, TRgba colour) {
    SurfacePtr picture = createSurface(width, height, true);
    fillSurface(picture.get(), colour);
    return picture;
}

// The colour of a window pixel, read as opaque (the video surface has no alpha channel).
inline TRgba screenPixel(int x, int y) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    const SurfaceLock lock(screen);
    TRgba c = pixelAt(screen, x, y);
    c.a = 255;
    return c;
}

// A window pixel a test expects, with what it stands for when the place alone does not say.
struct TPixelCheck {
    int x;
    int y;
    TRgba colour;
    const char* what = "";
};

// Checks window pixels, naming each one that is wrong.
inline void expectScreen(std::initializer_list<TPixelCheck> checks) {
    for (const TPixelCheck& check : checks) {
        EXPECT_EQ(screenPixel(check.x, check.y), check.colour)
            << check.x << ", " << check.y << " " << check.what;
    }
}

// How many window pixels differ from the backdrop.
inline int changedPixels() {
    SDL_Surface* screen = SDL_GetVideoSurface();
    const SurfaceLock lock(screen);
    int count = 0;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            TRgba c = pixelAt(screen, x, y);
            c.a = 255;
            count += c == backdrop ? 0 : 1;
        }
    }
    return count;
}

// Saves a picture where a loader looks for it, as an opaque PNG like the real files.
inline void writeDataPicture(const std::filesystem::path& root, const std::string& category,
                             const std::string& name, SDL_Surface* picture) {
    const std::filesystem::path directory = root / "data" / category;
    std::filesystem::create_directories(directory);
    writeSurfacePng((directory / name).string(), picture);
}

// A working directory without the game's data (so every picture starts missing), the display, and a
// camera over a terrain and a background of the given sizes.
class TRenderScene {
public:
    TRenderScene(int terrainWidth = 1600, int terrainHeight = 1200, int backWidth = 1000,
                 int backHeight = 700)
        : workingDirectory_(dir_.path()), preferences_((dir_ / "config.txt").string()), display(preferences_),
          terrain(createSurface(terrainWidth, terrainHeight, true)),
          background(createSurface(backWidth, backHeight, false)),
          moves(std::make_unique<TMoves>(display.screen, terrain.get(), background.get())) {
        SDL_FillRect(terrain.get(), nullptr, SDL_MapRGBA(terrain->format, 0, 0, 0, 0));
        clearScreen();
    }

    void clearScreen() { fillSurface(display.screen, backdrop); }
    const std::filesystem::path& root() const { return dir_.path(); }

private:
    TTempDir dir_;
    TWorkingDirectory workingDirectory_;
    TPreferences preferences_;

public:
    TDisplay display;
    SurfacePtr terrain;
    SurfacePtr background;
    std::unique_ptr<TMoves> moves;
};

} // namespace render_test
