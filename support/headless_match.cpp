#include "support/headless_match.hpp"

#include "app/u_context.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"
#include "support/generated_terrain.hpp"
#include "support/headless_stampers.hpp"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <vector>

namespace {

constexpr int generatedWidth = 1600;
constexpr int generatedHeight = 1200;
// Flight times tried for an aimed shot, in frames.
constexpr int flightFrames[] = {16, 24, 32, 40};
// Aimed shots miss by up to this many pixels either way.
constexpr int aimSpread = 60;

TWeapon randomWeapon() {
    // Mostly the bazooka, as players do.
    const int draw = Random(8);
    if (draw < 5) {
        return TWeapon::WeaponBazooka;
    }
    return allWeapons[static_cast<std::size_t>(draw - 5) % allWeapons.size()];
}

int winnerOf(const TTeamsManager& teams) {
    for (const TTeam& team : teams.teams) {
        if (team.health() > 0) {
            return team.index;
        }
    }
    return -1;
}

} // namespace

TAutoPlayer::TAutoPlayer(TCallback& callback, TPhysicsView world) : callback_(callback), world_(world) {}

void TAutoPlayer::startTurn() {
    walkFrames_ = Random(maxWalkFrames + 1);
    direction_ = Random(2) == 0 ? TDirection::DirectionLeft : TDirection::DirectionRight;
    weapon_ = randomWeapon();
    fired_ = false;
    callback_.selectWeapon(weapon_);
}

void TAutoPlayer::step() {
    if (fired_) {
        return;
    }
    if (walkFrames_ > 0) {
        --walkFrames_;
        callback_.walk(direction_);
        return;
    }
    fire();
}

void TAutoPlayer::fire() {
    const TTeam* team = world_.teams.currentTeam();
    const TTumbok* shooter = team != nullptr ? team->tumbokAt(world_.teams.current.tumbok) : nullptr;
    const TTumbok* enemy = pickEnemy();
    int power = 0;
    double angle = 0.0;
    const bool aimed = shooter != nullptr && enemy != nullptr && Random(4) < aimedInFour &&
                       aim(add(shooter->position, TProjectileManager::launchOffset),
                           add(enemy->position, vector(Random(2 * aimSpread + 1) - aimSpread,
                                                       enemy->height - TProjectile::projectileSize)),
                           power, angle);
    if (!aimed) {
        power = Random(TProjectileManager::maxPower + 1);
        angle = Random(181);
    }
    // A refused shot (the turn is closing) is simply not retried.
    callback_.fire(power, weapon_, angle);
    fired_ = true;
}

bool TAutoPlayer::aim(TVector from, TVector to, int& power, double& angle) const {
    constexpr double dt = TExternalForces::timeStep;
    const TVector acceleration = add(vector(0.0, TExternalForces::gravityStrength), world_.wind);
    const int start = Random(static_cast<int>(std::size(flightFrames)));
    for (std::size_t k = 0; k < std::size(flightFrames); ++k) {
        const int n = flightFrames[(static_cast<std::size_t>(start) + k) % std::size(flightFrames)];
        // The integrator's own sum: after n steps the shell has fallen a dt^2 n (n + 1) / 2.
        const TVector fall = scale(acceleration, dt * dt * n * (n + 1) / 2.0);
        const TVector speed = scale(add(add(to, scale(from, -1.0)), scale(fall, -1.0)), 1.0 / (n * dt));
        const double length = norm(speed);
        if (length <= TProjectileManager::maxPower) {
            power = static_cast<int>(std::lround(length));
            angle = std::atan2(-speed.y, speed.x) * 180.0 / std::numbers::pi;
            return true;
        }
    }
    return false;
}

const TTumbok* TAutoPlayer::pickEnemy() const {
    std::vector<const TTumbok*> enemies;
    for (const TTeam& team : world_.teams.teams) {
        if (team.index == world_.teams.current.team) {
            continue;
        }
        for (const TTumbok& tumbok : team.tumboks) {
            if (tumbok.isAlive() && !tumbok.out) {
                enemies.push_back(&tumbok);
            }
        }
    }
    if (enemies.empty()) {
        return nullptr;
    }
    return enemies[static_cast<std::size_t>(Random(static_cast<int>(enemies.size())))];
}

THeadlessMatch::THeadlessMatch(const THeadlessSettings& settings) : maxFrames_(settings.maxFrames) {
    seedRandom(settings.seed);
    context_ = std::make_unique<TContext>((scratch_ / "config.txt").string());
    context_->preferences.activeSounds = false;
    context_->preferences.activeMusic = false;
    context_->preferences.nbExplosifs = settings.nbExplosifs;
    noise_ = std::make_unique<TNoise>(context_->preferences);
    messages_ = std::make_unique<TSilentMessages>();
    SurfacePtr terrain = settings.mapName.empty()
                             ? generateHillsTerrain(generatedWidth, generatedHeight)
                             : loadMapImage(settings.mapName, TImageConversion::ConversionAlpha);
    physics_ = std::make_unique<TPhysics>(std::move(terrain), *noise_, *messages_, *context_,
                                          settings.nbTeams, settings.nbTumboks, settings.nbAi, clock_);
    physics_->keepSeededSequence();
    if (settings.stamped) {
        stampers_ = std::make_unique<THeadlessStampers>(*physics_);
    }
    player_ = std::make_unique<TAutoPlayer>(physics_->commands(), physics_->view());
}

THeadlessMatch::~THeadlessMatch() = default;

bool THeadlessMatch::playFrame() {
    if (result_.finished || result_.frames >= maxFrames_) {
        return false;
    }
    if (physics_->takeNewTurn()) {
        ++result_.turns;
        player_->startTurn();
    }
    const TTeam* team = physics_->view().teams.currentTeam();
    if (physics_->gameStateStack().current() == TGameStateType::StateNormal && team != nullptr &&
        !team->computer) {
        player_->step();
    }
    const bool running = physics_->step();
    clock_.nextFrame();
    ++result_.frames;
    if (!running) {
        result_.finished = true;
        result_.winner = winnerOf(physics_->view().teams);
    }
    return running && result_.frames < maxFrames_;
}

THeadlessResult runHeadlessMatch(const THeadlessSettings& settings) {
    THeadlessMatch match(settings);
    while (match.playFrame()) {
    }
    return match.result();
}

std::string headlessSummary(const THeadlessResult& result) {
    std::string outcome = "unfinished";
    if (result.finished) {
        outcome = result.winner >= 0 ? "winner " + std::to_string(result.winner) : "draw";
    }
    return outcome + " frames " + std::to_string(result.frames) + " turns " + std::to_string(result.turns);
}
