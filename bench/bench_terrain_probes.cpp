// Terrain contact for a full battlefield: 4 x 300 tumboks resting on the ground every frame, and one blast
// hole.
#include "bench/bench_support.hpp"

#include "model/u_data_teams.hpp"
#include "model/u_statistics.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_messages.hpp"

#include <benchmark/benchmark.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {} // namespace

static void BM_TerrainRestingTumboks(benchmark::State& state) {
    TFloorScene scene;
    std::ostringstream quiet; // flag pictures may be missing here
    std::streambuf* previous = std::cout.rdbuf(quiet.rdbuf());
    TTeamsManager teams(4, 300, 0);
    std::cout.rdbuf(previous);
    TStatistics statistics;
    statistics.reset(4);
    TDamage damage(teams, statistics);
    TSilentMessages messages;
    TCollisions collisions(scene.terrain.get(), teams, damage, messages);
    int slot = 0;
    for (TTeam& team : teams.teams) {
        for (TTumbok& tumbok : team.tumboks) {
            tumbok.position = vector(slot++ % 1590, 560);
        }
    }
    bool outOfMap = false;
    TVector foot;
    for (auto _ : state) {
        scene.drawFloor();
        for (TTeam& team : teams.teams) {
            for (TTumbok& tumbok : team.tumboks) {
                // What a frame of gravity does to a resting body: a little speed, a little sinking.
                tumbok.speed = vector(0, 25);
                tumbok.position = add(tumbok.position, scale(tumbok.speed, 0.05));
                collisions.collide(tumbok, false, outOfMap, true);
                benchmark::DoNotOptimize(collisions.isInAir(tumbok, foot));
            }
        }
    }
}
BENCHMARK(BM_TerrainRestingTumboks);

static void BM_TerrainCarveBlast(benchmark::State& state) {
    TFloorScene scene;
    // As a match carves: by a footprint made before the first blast.
    TCarver carver;
    carver.prepare(41, 41);
    for (auto _ : state) {
        scene.drawFloor();
        carver.carve(scene.terrain.get(), 41, 800, 600);
    }
}
BENCHMARK(BM_TerrainCarveBlast);
