// What the screen tests share: a private working directory with its own data and config.txt, the four shared
// objects of a screen, a font of solid glyphs of known size, and real SDL events.
#pragma once

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/png_files.hpp"
#include "support/sdl_events.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <memory>
#include <string>

namespace screen_test {

// Queues events for the next run of a screen, as the window would.
inline void pushEvents(std::initializer_list<SDL_Event> events) {
    for (SDL_Event event : events) {
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
}

inline void drainEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

inline SurfacePtr solidSurface(int width, int height, Uint8 red, Uint8 green, Uint8 blue, bool withAlpha) {
    SurfacePtr picture = createSurface(width, height, withAlpha);
    SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, red, green, blue));
    return picture;
}

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() {
        std::filesystem::create_directories(dir.path() / "data" / "other-images");
        std::filesystem::create_directories(dir.path() / "data" / "maps");
        drainEvents();
    }
    ~ScreenTest() override { drainEvents(); }

    // A one-colour picture under data/<category>/<name>.
    void writePicture(const std::string& category, const std::string& name, int width, int height,
                      Uint8 red = 90, Uint8 green = 160, Uint8 blue = 220) const {
        const SurfacePtr picture = solidSurface(width, height, red, green, blue, false);
        const std::string path = (dir.path() / "data" / category / name).string();
        writeSurfacePng(path, picture.get());
    }
    void writeMap(const std::string& name, int width = 400, int height = 300) const {
        writePicture("maps", name, width, height);
    }
    // A terrain a match can start on: air above, ground below.
    void writeTerrain(const std::string& name, int width = 400, int height = 300) const {
        writeGroundPng((dir.path() / "data" / "maps" / name).string(), width, height);
    }

    // The settings as a later start of the program reads them back.
    TPreferences reloadPreferences() const { return TPreferences((dir / "config.txt").string()); }

    TTempDir dir;
    TWorkingDirectory workingDirectory{dir.path()};
    TContext context{(dir / "config.txt").string()};
    TDisplay display{context.preferences};
    // Solid glyph cells: big 18 x 24, medium 12 x 16, small 9 x 12.
    TFont font{solidSurface(18 * 95, 24, 255, 255, 255, true), solidSurface(12 * 95, 16, 255, 255, 255, true),
               solidSurface(9 * 95, 12, 255, 255, 255, true)};
    TNoise noise{context.preferences};
};

} // namespace screen_test
