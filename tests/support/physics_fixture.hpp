// A whole physics driver on a hand-made terrain, silent, on a clock the test moves, with recorded messages
// and stamps.
#pragma once

#include "app/u_context.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "physics/u_physics_stamps.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"
#include "support/manual_clock.hpp"
#include "support/match_fixture.hpp"
#include "support/physics_peer.hpp"
#include "support/temp_dir.hpp"
#include "support/terrain_builder.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class TRecordedStamps final : public TDeadTumbokStamper, public TProjectileStamper {
public:
    TPixelRect stampDead(const TTumbok& tumbok, SDL_Surface*) override {
        graves.push_back(tumbok.position);
        return {};
    }
    TPixelRect stamp(TProjectile& projectile, SDL_Surface*) override {
        stamped.push_back(projectile.position);
        return {};
    }

    std::vector<TVector> graves;
    std::vector<TVector> stamped;
};

class PhysicsFixture : public testing::Test {
protected:
    PhysicsFixture() {
        seedRandom(7);
        context = std::make_unique<TContext>((scratch.path() / "config.txt").string());
        context->preferences.activeSounds = false;
        context->preferences.activeMusic = false;
        noise = std::make_unique<TNoise>(context->preferences);
    }

    void build(SurfacePtr terrain, int nbTeams, int nbTumboks, int nbExplosifs = 0, int nbAi = 0) {
        context->preferences.nbExplosifs = nbExplosifs;
        const TDiagnosticCapture captured; // flag pictures may be missing from the test data
        physics = std::make_unique<TPhysics>(std::move(terrain), *noise, messages, *context, nbTeams,
                                             nbTumboks, nbAi, clock);
        placementOutput = captured.text();
        physics->attachStampers(&stamps, &stamps);
        physics->keepSeededSequence();
    }

    TTumbok& tumbok(int team, int number) { return peer(*physics).teams().teams.at(team).tumboks.at(number); }
    const TTeamSTats& stats(int team) const { return context->statistics.data.teams.at(team); }
    SDL_Surface* terrain() const { return physics->terrainSurface(); }
    TGameStateType state() const { return physics->gameStateStack().current(); }

    // Puts a tumbok at rest with its feet on the row above groundY.
    void standOn(int team, int number, double x, int groundY) {
        TTumbok& t = tumbok(team, number);
        t.position = vector(x, groundY - TTumbok::tumbokHeight - 1);
        t.speed = vector(0, 0);
    }

    // Every other tumbok is sent far away out of the match's reach, alive, resting on nothing that moves.
    void parkOthersOnGround(int groundY, double fromX) {
        double x = fromX;
        for (TTeam& team : peer(*physics).teams().teams) {
            for (TTumbok& t : team.tumboks) {
                t.position = vector(x, groundY - TTumbok::tumbokHeight - 1);
                t.speed = vector(0, 0);
                x += 20;
            }
        }
    }

    // Steps, 50 ms of the clock a frame, until the condition holds or the bound is reached; returns whether
    // it held. A new turn stays unnoticed until the test notices it. Stops early, with matchOver set, when
    // the match ends.
    bool stepUntil(const std::function<bool()>& condition, int maxFrames) {
        for (int frame = 0; frame < maxFrames; ++frame) {
            if (condition()) {
                return true;
            }
            if (!physics->step()) {
                matchOver = true;
                return condition();
            }
            if (condition()) {
                return true;
            }
            clock.advance(50);
        }
        return condition();
    }

    TTempDir scratch;
    std::unique_ptr<TContext> context;
    std::unique_ptr<TNoise> noise;
    TRecordedMessages messages;
    TManualClock clock;
    TRecordedStamps stamps;
    std::unique_ptr<TPhysics> physics;
    std::string placementOutput;
    bool matchOver = false;
};
