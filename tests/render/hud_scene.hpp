// A match as the information bar, minimap and particles display see it: the display, a physics driver on a
// terrain made in the test (silent, on a clock the test moves), a camera, and a font of known cell sizes.
#pragma once

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "physics/u_physics_particles.hpp"
#include "render/render_scene.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_minimap.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_font.hpp"
#include "sound/u_sound.hpp"
#include "support/manual_clock.hpp"
#include "support/match_fixture.hpp"
#include "support/physics_peer.hpp"
#include "support/sdl_events.hpp"
#include "support/terrain_builder.hpp"

#include <functional>
#include <memory>
#include <optional>

namespace hud_test {

// Glyph cells: 12 x 16 in the medium size, 6 x 8 in the small one.
inline constexpr int mediumCell = 12;
inline constexpr int smallCell = 6;
inline constexpr TRgba sky{95, 168, 255, 255};

inline SurfacePtr fontStrip(int height) {
    const int cell = 3 * height / 4;
    return render_test::solidPicture(cell * 95, height, render_test::white);
}

inline TFont testFont() {
    return TFont(fontStrip(32), fontStrip(16), fontStrip(8));
}

struct THudSetup {
    int terrainWidth = 1600;
    int terrainHeight = 1200;
    int backWidth = 1000;
    int backHeight = 700;
    int nbTeams = 2;
    int nbTumboks = 3;
    // Writes pictures into the scene's data directory before anything loads them.
    std::function<void(const std::filesystem::path& root)> pictures;
};

// The default match on a terrain of another size.
inline THudSetup terrainOf(int width, int height) {
    THudSetup setup;
    setup.terrainWidth = width;
    setup.terrainHeight = height;
    return setup;
}

class THudScene {
public:
    explicit THudScene(const THudSetup& setup = {})
        : pictures_(dir_.path(), setup), workingDirectory_(dir_.path()),
          preferences_((dir_ / "config.txt").string()), display(preferences_),
          context((dir_ / "config.txt").string()), noise(silent(context)), font(testFont()) {
        physics = std::make_unique<TPhysics>(makeTerrain(setup.terrainWidth, setup.terrainHeight), noise,
                                             messages, context, setup.nbTeams, setup.nbTumboks, 0, clock);
        quiet_.reset();
        physics->keepSeededSequence();
        background = createSurface(setup.backWidth, setup.backHeight, false);
        fillSurface(background.get(), sky);
        moves = std::make_unique<TMoves>(display.screen, physics->terrainSurface(), background.get());
        clearScreen();
    }

    TMinimapSources sources() { return {background.get(), physics->terrainSurface(), *moves, freeView}; }
    TTeamsManager& teams() { return peer(*physics).teams(); }
    TTumbok& tumbok(int team, int number) { return peer(*physics).teams().teams.at(team).tumboks.at(number); }
    void clearScreen() { fillSurface(display.screen, render_test::backdrop); }
    const std::filesystem::path& root() const { return dir_.path(); }

private:
    struct TPictures {
        TPictures(const std::filesystem::path& root, const THudSetup& setup) {
            if (setup.pictures) {
                setup.pictures(root);
            }
        }
    };
    static const TPreferences& silent(TContext& context) {
        context.preferences.activeSounds = false;
        context.preferences.activeMusic = false;
        return context.preferences;
    }

    TTempDir dir_;
    std::optional<TDiagnosticCapture> quiet_{std::in_place}; // pictures the test did not make are missing
    TPictures pictures_;
    TWorkingDirectory workingDirectory_;
    TPreferences preferences_;

public:
    TDisplay display;
    TContext context;
    TNoise noise;
    TRecordedMessages messages;
    TManualClock clock;
    TFont font;
    std::unique_ptr<TPhysics> physics;
    SurfacePtr background;
    std::unique_ptr<TMoves> moves;
    bool freeView = false;
};

} // namespace hud_test
