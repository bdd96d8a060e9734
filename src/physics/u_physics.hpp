// The physics driver of one match: it builds every simulation component, places tumboks and boxes, runs
// the fixed-step frame, and drives the turns (end, next team, timer, wind, computer player, end of match).
#pragma once

#include "ai/u_ai.hpp"
#include "model/u_data_objects.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_terrain_changes.hpp"
#include "physics/u_physics_timer.hpp"
#include "physics/u_physics_view.hpp"
#include "resources/u_clock.hpp"
#include "resources/u_sdl_handles.hpp"
#include "resources/u_solid_mask.hpp"

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
class TCallBackPhy;
class TProjectileStamper;

// Where a turn stands. Every change of phase is written here, so a turn reads from top to bottom:
// unnoticed (begun, the screen has not shown it yet) -> playing -> ending (waiting for the world to rest;
// "computer gave up" is the same wait, without asking the computer again) -> the next turn, unnoticed
// again; or over when fewer than two teams are left.
enum class TTurnPhase { TurnUnnoticed, TurnPlaying, TurnEnding, TurnAiGaveUp, TurnOver };

class TTurnFlow {
public:
    TTurnPhase phase() const { return phase_; }
    bool unnoticed() const { return phase_ == TTurnPhase::TurnUnnoticed; }
    bool waitingForRest() const {
        return phase_ == TTurnPhase::TurnEnding || phase_ == TTurnPhase::TurnAiGaveUp;
    }
    bool mayAskComputer() const {
        return phase_ == TTurnPhase::TurnPlaying || phase_ == TTurnPhase::TurnEnding;
    }
    // Not a phase of its own: a tumbok may move before the turn is noticed or while it ends.
    bool mayChangeTumbok() const { return mayChangeTumbok_; }

    void begin() { *this = TTurnFlow(); }
    // True once per new turn.
    bool notice() {
        const bool fresh = unnoticed();
        if (fresh) {
            phase_ = TTurnPhase::TurnPlaying;
        }
        return fresh;
    }
    void moved() { mayChangeTumbok_ = false; }
    void computerGaveUp() { phase_ = TTurnPhase::TurnAiGaveUp; }
    void waitForRest() {
        if (phase_ != TTurnPhase::TurnAiGaveUp) {
            phase_ = TTurnPhase::TurnEnding;
        }
    }
    void over() { phase_ = TTurnPhase::TurnOver; }

private:
    TTurnPhase phase_ = TTurnPhase::TurnUnnoticed;
    bool mayChangeTumbok_ = true;
};

// A terrain picture with the solid mask its bodies are placed by.
struct TMatchTerrain {
    SurfacePtr picture;
    TSolidMask solid;
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
    // On a terrain whose solid mask is already known (the one the setup panel checked).
    TPhysics(SurfacePtr terrainPicture, const TSolidMask& solid, TNoise& noise, TMessageSink& messages,
             TContext& context, int nbTeams, int nbTumboks, int nbAi,
             const TClock& clock = TSdlClock::instance());
    ~TPhysics();
    TPhysics(const TPhysics&) = delete;
    TPhysics& operator=(const TPhysics&) = delete;

    // One frame of 0.05 s; false once fewer than two teams have living tumboks.
    bool step();
    // False when refused: the turn is not being played (not yet noticed, ending or over), or the active
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
    // The commands a player may give, the way the computer player gives them.
    TCallback& commands();
    // Where graves and stuck arrows are stamped; null stamps nothing (the bodies still come to rest).
    void attachStampers(TDeadTumbokStamper* graves, TProjectileStamper* shots);
    // Drawing a shot turns it to face its flight, so the map display needs it writable.
    TProjectile* projectileInFlight();
    // Smoke re-seeds the random generator from the clock; a seeded match keeps its sequence instead.
    void keepSeededSequence();

    TPhysicsView view() const;
    const TTurnFlow& turn() const { return turn_; }
    // No dead tumbok is still falling (as of the last frame).
    bool deadAtRest() const { return deadAtRest_; }

private:
    // Tests and developer tools stage their scenes through it; the game goes through the commands above.
    friend class TPhysicsPeer;

    TPhysics(TMatchTerrain terrain, TNoise& noise, TMessageSink& messages, TContext& context, int nbTeams,
             int nbTumboks, int nbAi, const TClock& clock);

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
    // Both placements read the same solid mask: the bodies do not change the terrain.
    void placeTumboks(const TSolidMask& solid);
    void placeExplosifs(const TSolidMask& solid);

    TNoise& noise;
    TTimer timer;
    TStatistics& statistics;
    int nbTeams;
    int nbTumboks;
    SurfacePtr terrain;
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
    TTurnFlow turn_;
    bool deadAtRest_ = false;
    TTerrainChanges terrainChanges_;
    // Per tumbok, team-major: consecutive frames it has been moving.
    std::vector<int> movingFrames_;
};

// The commands of the players, human or computer, forwarded to the driver.
class TCallBackPhy final : public TCallback {
public:
    explicit TCallBackPhy(TPhysics& physics) : physics(physics) {}

    void changeTumbok() override { physics.changeTumbok(); }
    TVector walkDisplacement(TVector footPoint, int steps, TDirection direction) override {
        return physics.walkDisplacement(footPoint, steps, direction);
    }
    void walk(TDirection direction) override { physics.walk(direction); }
    void jump() override { physics.jump(); }
    bool fire(int power, TWeapon weapon, double angle) override { return physics.fire(power, weapon, angle); }
    void selectWeapon(TWeapon weapon) override { physics.selectWeapon(weapon); }

    TPhysics& physics;
};
