// The simulation's frame on a full battlefield (4 x 300 tumboks, 100 boxes on the floor case's terrain):
// a quiet step, and the worst step while all 100 boxes go off in one chain.
#include "bench/bench_support.hpp"
#include "support/box_chain.hpp"
#include "support/physics_peer.hpp"
#include "support/terrain_builder.hpp"

#include "app/u_context.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/headless_match.hpp"
#include "support/temp_dir.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

// A match on a copy of the floor terrain, placed and left to settle, silent and on a frozen clock.
class TBattlefield {
public:
    explicit TBattlefield(SDL_Surface* terrain) : context_((scratch_ / "config.txt").string()) {
        seedRandom(42);
        context_.preferences.activeSounds = false;
        context_.preferences.nbExplosifs = boxCount;
        const TDiagnosticCapture quiet; // flag pictures may be missing here
        physics = std::make_unique<TPhysics>(rawCopy(terrain), noise_, messages_, context_, teamCount,
                                             tumboksPerTeam, 0, clock_);
        physics->keepSeededSequence();
        physics->takeNewTurn();
        for (int i = 0; i < settlingFrames; ++i) {
            physics->step();
        }
    }

private:
    const TTempDir scratch_;
    TContext context_;
    TNoise noise_{context_.preferences};
    TSilentMessages messages_;
    TFrameClock clock_;

public:
    std::unique_ptr<TPhysics> physics;
};

} // namespace

static void BM_PhysicsQuietStep(benchmark::State& state) {
    TFloorScene scene;
    TBattlefield field(scene.terrain.get());
    for (auto _ : state) {
        benchmark::DoNotOptimize(field.physics->step());
    }
}
BENCHMARK(BM_PhysicsQuietStep);

namespace {

constexpr int chainStepBound = 5000;

double secondsOfStep(TPhysics& physics) {
    const auto start = std::chrono::steady_clock::now();
    physics.step();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

struct TChainTimes {
    double worst = 0.0;
    double total = 0.0;
    int steps = 0;
};

// Sets off the middle box of a fresh battlefield and times every step until the last explosion has ended
// or, when asked, until everything has come to rest.
TChainTimes timeChain(SDL_Surface* terrain, bool untilRest) {
    TBattlefield field(terrain);
    TPhysics& physics = *field.physics;
    peer(physics).explosifs().explode(middleBox(physics));
    TChainTimes times;
    while (!(untilRest ? atRest(physics) : peer(physics).explosions().allFinished()) &&
           times.steps < chainStepBound) {
        const double seconds = secondsOfStep(physics);
        times.worst = std::max(times.worst, seconds);
        times.total += seconds;
        ++times.steps;
    }
    return times;
}

// Times one chain an iteration; the iteration's time is the chosen measure of that chain.
void timeChains(benchmark::State& state, bool untilRest, double TChainTimes::*measure) {
    TFloorScene scene;
    TChainTimes times;
    for (auto _ : state) {
        times = timeChain(scene.terrain.get(), untilRest);
        state.SetIterationTime(times.*measure);
    }
    state.counters["steps"] = times.steps;
}

} // namespace

// The iteration's time is the slowest step of the chain.
static void BM_ChainExplosionWorstStep(benchmark::State& state) {
    timeChains(state, false, &TChainTimes::worst);
}
BENCHMARK(BM_ChainExplosionWorstStep)->UseManualTime()->Iterations(3);

// The physics time of a whole chain, from the first blast until everything has come to rest.
static void BM_ChainExplosionWholeChain(benchmark::State& state) {
    timeChains(state, true, &TChainTimes::total);
}
BENCHMARK(BM_ChainExplosionWholeChain)->UseManualTime()->Iterations(3);
