// A whole match for the map display tests: a flat terrain and a patterned background made in the test,
// the physics driver on them, and the map display drawing to the dummy video surface.
#pragma once

#include "app/u_context.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "render/render_scene.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_font.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"
#include "support/manual_clock.hpp"
#include "support/match_fixture.hpp"
#include "support/physics_peer.hpp"
#include "support/terrain_builder.hpp"

#include <string>
#include <vector>

namespace render_test {

inline constexpr TRgba groundColour{138, 90, 52, 255};
inline constexpr int groundTop = 900;

// Background pixel (x, y) has the colour (x mod 251, y mod 251, 77): its position can be read back.
inline TRgba backgroundColourAt(int x, int y) {
    return {static_cast<Uint8>(x % 251), static_cast<Uint8>(y % 251), 77, 255};
}

inline SurfacePtr patternedBackground(int width, int height) {
    SurfacePtr picture = createSurface(width, height, false);
    const SurfaceLock lock(picture.get());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            setPixel(picture.get(), x, y, backgroundColourAt(x, y));
        }
    }
    return picture;
}

class TMapScene {
public:
    explicit TMapScene(int teams = 2, int tumboks = 2, int terrainWidth = 1600, int terrainHeight = 1200,
                       bool withBackground = true)
        : workingDirectory_(dir_.path()), context((dir_ / "config.txt").string()),
          display(context.preferences), noise(context.preferences) {
        if (withBackground) {
            const SurfacePtr back = patternedBackground(1000, 700);
            writeDataPicture(dir_.path(), "maps", "back_test.png", back.get());
        }
        context.preferences.gameBackground = "back_test.png";
        context.preferences.nbExplosifs = 0;
        seedRandom(7);
        physics =
            std::make_unique<TPhysics>(flatTerrain(terrainWidth, terrainHeight, groundTop, groundColour),
                                       noise, messages, context, teams, tumboks, 0, clock);
        physics->keepSeededSequence();
        map = std::make_unique<TMapDisplay>(display, context, font, noise, *physics);
        map->mousePosition = [this] { return mouse; };
        fillSurface(display.screen, backdrop);
    }

    TTumbok& tumbok(int team, int number) { return peer(*physics).teams().teams.at(team).tumboks.at(number); }
    TTumbok& current() { return *peer(*physics).teams().currentTumbok(); }
    // Puts a tumbok standing on the ground at x.
    TTumbok& standAt(TTumbok& t, double x) {
        t.position = {x, groundTop - TTumbok::tumbokHeight};
        t.speed = {0, 0};
        return t;
    }
    // Frames as the game screen runs them, taking notice of each new turn.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            map->draw();
            physics->takeNewTurn();
        }
    }
    TMoves& moves() { return *map->moves; }
    TGameStateStack& states() { return physics->gameStateStack(); }

private:
    TTempDir dir_;
    TWorkingDirectory workingDirectory_;

public:
    TContext context;
    TDisplay display;
    TFont font;
    TNoise noise;
    TRecordedMessages messages;
    TManualClock clock;
    std::unique_ptr<TPhysics> physics;
    std::unique_ptr<TMapDisplay> map;
    SDL_Rect mouse = {400, 300, 0, 0};
};

} // namespace render_test
