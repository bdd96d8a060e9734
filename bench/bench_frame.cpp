// A whole frame of a match as the game screen draws it: clear, physics step, background, terrain and every
// object, window update; the camera moves every frame.
#include "bench/bench_support.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "resources/u_font.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/temp_dir.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Time stands still, so the turn never runs out while the frames are measured.
class TStillClock final : public TClock {
public:
    std::uint32_t ticks() const override { return 0; }
};

class TFrameScene {
public:
    TFrameScene(int tumboks, int boxes)
        : context((scratch / "config.txt").string()), display(context.preferences),
          noise(context.preferences) {
        context.preferences.gameBackground = "back_day.png";
        context.preferences.nbExplosifs = boxes;
        seedRandom(11);
        physics = std::make_unique<TPhysics>(floorTerrain(), noise, messages, context, 4, tumboks, 0, clock);
        physics->keepSeededSequence();
        map = std::make_unique<TMapDisplay>(display, context, font, noise, *physics);
        map->freeView = true;
    }

    void frame(int index) {
        // The camera sweeps the whole map back and forth.
        map->moves->setView(false, (index * 7) % 800, (index * 3) % 600);
        SDL_FillRect(display.screen, nullptr, 0);
        map->draw();
        physics->takeNewTurn();
        SDL_UpdateRect(display.screen, 0, 0, 0, 0);
    }

    TTempDir scratch;
    TContext context;
    TDisplay display;
    TFont font;
    TNoise noise;
    TSilentMessages messages;
    TStillClock clock;
    std::unique_ptr<TPhysics> physics;
    std::unique_ptr<TMapDisplay> map;
};

void runFrames(benchmark::State& state, int tumboks, int boxes) {
    TFrameScene scene(tumboks, boxes);
    // Let the bodies settle first: a frame of a quiet turn is what is measured.
    for (int i = 0; i < 100; ++i) {
        scene.frame(i);
    }
    int index = 0;
    for (auto _ : state) {
        scene.frame(index++);
    }
}

void BM_FrameSmall(benchmark::State& state) {
    runFrames(state, 7, 10);
}

void BM_FrameLarge(benchmark::State& state) {
    runFrames(state, 300, 100);
}

} // namespace

BENCHMARK(BM_FrameSmall);
BENCHMARK(BM_FrameLarge);
