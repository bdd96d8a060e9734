// The physics driver of one match: it builds every simulation component, places tumboks and boxes, runs
// the fixed-step frame, and drives the turns (end, next team, timer, wind, computer player, end of match).
#pragma once

#include "ai/u_ai.hpp"
#include "model/u_data_objects.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_timer.hpp"
#include "resources/u_clock.hpp"
#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <memory>
#include <vector>

class TCollisions;
class TContext;
class TDamage;
class TDeadTumbokStamper;
class TExplosifsManager;
class TExplosionsPhy;
class TExternalForces;
class TGameStateStack;
class TMessageSink;
class TNoise;
class TParticlesManager;
class TProjectileManager;
class TStatistics;
class TTeamsManager;
class TPhysics;

// The commands of the players, human or computer, forwarded to the driver.
class TCallBackPhy final : public TCallback {
public:
    explicit TCallBackPhy(TPhysics& physics) : physics(physics) {}

    void changeTumbok() override;
    TVector walkDisplacement(TVector footPoint, int steps, TDirection direction) override;
    void walk(TDirection direction) override;
    void jump() override;
    bool fire(int power, TWeapon weapon, double angle) override;
    void selectWeapon(TWeapon weapon) override;

    TPhysics& physics;
};

class TPhysics {
public:
    static constexpr std::int32_t turnDuration = 40000;
    static constexpr int walkSteps = 5;
    static constexpr int climbLimit = 2;
    static constexpr TVector jumpSpeed{100.0, -300.0};
    // Frames a body may keep moving before the turn stops waiting for it (10 s of play).
    static constexpr int restBoundFrames = 200;

    // Loads the terrain the preferences name.
    TPhysics(TNoise& noise, TMessageSink& messages, TContext& context, int nbTeams, int nbTumboks, int nbAi,
             const TClock& clock = TSdlClock::instance());
    // On a terrain made by the caller (tests, headless matches).
    TPhysics(SurfacePtr terrainPicture, TNoise& noise, TMessageSink& messages, TContext& context, int nbTeams,
             int nbTumboks, int nbAi, const TClock& clock = TSdlClock::instance());
    ~TPhysics();
    TPhysics(const TPhysics&) = delete;
    TPhysics& operator=(const TPhysics&) = delete;

    // One frame of 0.05 s; false once fewer than two teams have living tumboks.
    bool step();
    // False when refused: an end of turn is pending, the new turn was not yet noticed, or the active
    // tumbok is dead.
    bool fire(int power, TWeapon weapon, double angle);
    // Facing that way: a walking step (animated only if it moved); otherwise only turn round.
    void walk(TDirection direction);
    void jump();
    void changeTumbok();
    // The mouse pick of a tumbok: a human team only, and only while it may still change tumbok.
    void selectTumbok(int index);
    void selectWeapon(TWeapon weapon);
    // True once per new turn.
    bool takeNewTurn();
    TVector walkDisplacement(TVector footPoint, int steps, TDirection direction) const;

    SDL_Surface* terrainSurface() const { return terrain.get(); }
    TGameStateStack& gameStateStack() { return *gameStates; }

    TNoise& noise;
    TTimer timer;
    TStatistics& statistics;
    bool turnEndPending = false;
    bool newTurn = true;
    bool deadAtRest = false;
    bool mayChangeTumbok = true;
    int nbTeams;
    int nbTumboks;
    SurfacePtr terrain;
    // Set by the displays; null stamps nothing (the dead tumbok still comes to rest).
    TDeadTumbokStamper* tumbokDisplay = nullptr;
    std::unique_ptr<TGameStateStack> gameStates;
    std::unique_ptr<TExternalForces> forces;
    std::unique_ptr<TTeamsManager> teams;
    std::unique_ptr<TDamage> damage;
    std::unique_ptr<TCollisions> collisions;
    std::unique_ptr<TExplosionsPhy> explosions;
    std::unique_ptr<TParticlesManager> particles;
    std::unique_ptr<TProjectileManager> projectiles;
    std::unique_ptr<TExplosifsManager> explosifs;
    TMessageSink& messages;
    // The callback outlives the computer player that holds it.
    std::unique_ptr<TCallBackPhy> callback;
    std::unique_ptr<TAi> ai;

private:
    bool requestTurnEnd();
    bool startTurn();
    void projectileFinished();
    void stepExplosifs();
    // Returns whether the tumbok on turn landed hard or fell out.
    bool stepTumboks();
    bool stepLiving(TTumbok& tumbok, bool isCurrent);
    void stepDead(TTumbok& tumbok);
    void layToRest(TTumbok& tumbok);
    // The frame's own reasons to end the turn: dead tumbok, time up, computer gives up.
    bool turnChecks();
    bool livingAtRest() const;
    bool walkStep(TDirection direction, int steps, int climb);
    // The active tumbok if it is alive.
    TTumbok* activeLiving();
    int& movingFrames(const TTumbok& tumbok);
    void placeTumboks(int teamCount, int tumbokCount);
    void placeExplosifs();

    bool aiGaveUp_ = false;
    // Per tumbok, team-major: consecutive frames it has been moving.
    std::vector<int> movingFrames_;
};
