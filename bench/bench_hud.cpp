// The heads-up display and the smoke: the expanded information bar with its minimap, and a frame of ten
// bazooka smoke trails, each beside the floor case.
#include "bench/bench_support.hpp"
#include "support/physics_peer.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "render/u_info_bar.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_particles_display.hpp"
#include "resources/u_font.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/temp_dir.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A match on the floor case's pictures, with the game's own data (fonts, flags, socks, smoke) when it is
// beside the benchmark.
class THudMatch {
public:
    THudMatch(int nbTeams, int nbTumboks)
        : context((scratch / "config.txt").string()), display(context.preferences), noise(silent(context)) {
        seedRandom(11);
        physics = std::make_unique<TPhysics>(std::move(floor.terrain), noise, messages, context, nbTeams,
                                             nbTumboks, 0);
        physics->keepSeededSequence();
        moves = std::make_unique<TMoves>(display.screen, physics->terrainSurface(), floor.background.get());
        moves->setView(false, 400, 300);
    }

    TMinimapSources sources() {
        return {floor.background.get(), physics->terrainSurface(), *moves, freeView};
    }

    TFloorScene floor;
    const TTempDir scratch;
    TContext context;
    TDisplay display;
    TNoise noise;
    TSilentMessages messages;
    TFont font;
    std::unique_ptr<TPhysics> physics;
    std::unique_ptr<TMoves> moves;
    bool freeView = false;

private:
    static const TPreferences& silent(TContext& context) {
        context.preferences.activeSounds = false;
        context.preferences.activeMusic = false;
        return context.preferences;
    }
};

void infoBarFrames(benchmark::State& state, int nbTeams, int nbTumboks, bool blasting) {
    THudMatch match(nbTeams, nbTumboks);
    TInfoBar bar(match.display, match.font, match.physics->gameStateStack(), match.physics->view(),
                 match.sources());
    if (blasting) {
        // An explosion that never finishes: the minimap scales the terrain again in every frame.
        peer(*match.physics).explosions().add(vector(800, 600));
    }
    for (auto _ : state) {
        bar.draw();
        benchmark::ClobberMemory();
    }
}

void BM_InfoBarMinimap(benchmark::State& state) {
    infoBarFrames(state, 4, 7, false);
}
BENCHMARK(BM_InfoBarMinimap);

void BM_InfoBarMinimapLarge(benchmark::State& state) {
    infoBarFrames(state, 4, 300, false);
}
BENCHMARK(BM_InfoBarMinimapLarge);

void BM_InfoBarMinimapDuringBlast(benchmark::State& state) {
    infoBarFrames(state, 4, 7, true);
}
BENCHMARK(BM_InfoBarMinimapDuringBlast);

// Ten bazooka trails across the window, each with its thirty frames of puffs alive.
void BM_SmokeFountains(benchmark::State& state) {
    THudMatch match(2, 1);
    TParticlesDisplay display(match.display, *match.moves);
    TParticlesManager particles;
    particles.reseed = nullptr;
    for (int i = 0; i < 10; ++i) {
        TParticlesFountain& smoke =
            particles.addFountain(TParticleType::ParticleSmoke, vector(450 + 70 * i, 400 + 30 * (i % 5)));
        smoke.lifetime = TProjectileManager::smokeLifetime;
        smoke.acceleration = TProjectileManager::smokeAcceleration;
        smoke.emitCount = TProjectileManager::smokeEmitCount;
    }
    for (int frame = 0; frame < TProjectileManager::smokeLifetime; ++frame) {
        particles.step();
    }
    for (auto _ : state) {
        particles.step();
        display.draw(particles.fountains);
        benchmark::ClobberMemory();
    }
    state.counters["frameWidth"] = display.frames.front()->w;
}
BENCHMARK(BM_SmokeFountains);

} // namespace
