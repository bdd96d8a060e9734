// Whole matches without a window or a player: a clock that advances one frame at a time, a stand-in player
// that acts only through the command interface, and the loop that runs a match to its end.
#pragma once

#include "model/u_data_objects.hpp"
#include "physics/u_physics_view.hpp"
#include "resources/u_clock.hpp"
#include "resources/u_sdl_handles.hpp"
#include "support/temp_dir.hpp"

#include <cstdint>
#include <memory>
#include <string>

class TCallback;
class TContext;
class THeadlessStampers;
class TNoise;
class TPhysics;
class TSilentMessages;

// Simulated time: 50 ms per frame, so a turn lasts 800 frames whatever the machine's speed.
class TFrameClock final : public TClock {
public:
    static constexpr std::uint32_t frameMs = 50;

    std::uint32_t ticks() const override { return now_; }
    void nextFrame() { now_ += frameMs; }

private:
    std::uint32_t now_ = 0;
};

// Plays the team on turn like a person at the keyboard would: a few steps, then one shot, either aimed at
// an enemy (gravity and wind taken into account) or thrown at random.
class TAutoPlayer {
public:
    static constexpr int maxWalkFrames = 20;
    static constexpr int aimedInFour = 3; // shots out of four that are aimed

    TAutoPlayer(TCallback& callback, TPhysicsView world);

    void startTurn();
    // One frame of the turn while the player has control.
    void step();

private:
    void fire();
    // Power and angle that bring a shell from `from` to `to` in `frames` frames, under gravity and wind.
    bool aim(TVector from, TVector to, int& power, double& angle) const;
    const TTumbok* pickEnemy() const;

    TCallback& callback_;
    TPhysicsView world_;
    int walkFrames_ = 0;
    TDirection direction_ = TDirection::DirectionLeft;
    TWeapon weapon_ = TWeapon::WeaponBazooka;
    bool fired_ = false;
};

struct THeadlessSettings {
    std::uint32_t seed = 1;
    int nbTeams = 2;
    int nbTumboks = 3;
    int maxFrames = 20000;
    int nbExplosifs = 10;
    int nbAi = 0;
    // Empty: generated hills of 1600 x 1200.
    std::string mapName;
    // Graves and stuck arrows are stamped into the terrain by the game's own displays, as in the game.
    bool stamped = false;
};

struct THeadlessResult {
    bool finished = false; // the match ended before the frame bound
    int winner = -1;       // the team left with living tumboks, -1 for a draw (or an unfinished match)
    int frames = 0;
    int turns = 0;
};

// One match played frame by frame, so that a caller may attach stampers and look at every frame. It runs
// silent: no sound, no messages shown, random generator seeded once and never re-seeded.
class THeadlessMatch {
public:
    // Seeds the random generator and sets the match up; nothing is played yet.
    explicit THeadlessMatch(const THeadlessSettings& settings);
    ~THeadlessMatch();
    THeadlessMatch(const THeadlessMatch&) = delete;
    THeadlessMatch& operator=(const THeadlessMatch&) = delete;

    // Plays one frame; false once the match has ended or reached its frame bound.
    bool playFrame();
    TPhysics& physics() { return *physics_; }
    const THeadlessResult& result() const { return result_; }

private:
    int maxFrames_;
    THeadlessResult result_;
    TTempDir scratch_;
    std::unique_ptr<TContext> context_;
    std::unique_ptr<TNoise> noise_;
    std::unique_ptr<TSilentMessages> messages_;
    TFrameClock clock_;
    std::unique_ptr<TPhysics> physics_;
    std::unique_ptr<THeadlessStampers> stampers_;
    std::unique_ptr<TAutoPlayer> player_;
};

THeadlessResult runHeadlessMatch(const THeadlessSettings& settings);
// "winner 1 frames 2345 turns 17", "draw frames ... turns ...", or "unfinished frames ... turns ...".
std::string headlessSummary(const THeadlessResult& result);
