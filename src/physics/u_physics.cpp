#include "physics/u_physics.hpp"

#include "app/u_context.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "model/u_statistics.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_placement.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "physics/u_physics_stamps.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_numbers.hpp"
#include "sound/u_sound.hpp"

namespace {

// Margin of the boxes' random placement range (the right and bottom of the picture are never drawn).
constexpr int explosifMargin = 28;

bool isStill(const TObject& body) {
    return body.speed.x == 0.0 && body.speed.y == 0.0;
}

// A terrain made by the caller, with its solid mask made here.
TMatchTerrain withSolidMask(SurfacePtr terrain) {
    TSolidMask solid = solidMaskOf(terrain.get());
    return {std::move(terrain), std::move(solid)};
}

// The terrain the setup panel checked, with its solid mask, when it is the chosen one; else the chosen one
// from its file, whose mask is then made.
TMatchTerrain takeTerrain(TContext& context) {
    TCheckedMaps& checked = context.checkedMaps;
    if (checked.terrain && checked.terrainName == context.preferences.gameMap) {
        checked.terrainName.clear();
        return {std::move(checked.terrain), std::move(checked.solid)};
    }
    return withSolidMask(loadMapImage(context.preferences.gameMap, TImageConversion::ConversionAlpha));
}

void reportUnplaced(int unplaced, int total, const char* what) {
    if (unplaced > 0) {
        diagnosticLine("Could not place ", unplaced, " of ", total, " ", what, ".");
    }
}

} // namespace

TPhysics::TPhysics(TNoise& noise, TMessageSink& messages, TContext& context, int nbTeams, int nbTumboks,
                   int nbAi, const TClock& clock)
    : TPhysics(takeTerrain(context), noise, messages, context, nbTeams, nbTumboks, nbAi, clock) {}

TPhysics::TPhysics(SurfacePtr terrainPicture, TNoise& noise, TMessageSink& messages, TContext& context,
                   int nbTeams, int nbTumboks, int nbAi, const TClock& clock)
    : TPhysics(withSolidMask(std::move(terrainPicture)), noise, messages, context, nbTeams, nbTumboks, nbAi,
               clock) {}

TPhysics::TPhysics(TMatchTerrain terrain, TNoise& noise, TMessageSink& messages, TContext& context,
                   int nbTeams, int nbTumboks, int nbAi, const TClock& clock)
    : TPhysics(std::move(terrain.picture), terrain.solid, noise, messages, context, nbTeams, nbTumboks, nbAi,
               clock) {}

TPhysics::TPhysics(SurfacePtr terrainPicture, const TSolidMask& solid, TNoise& noise, TMessageSink& messages,
                   TContext& context, int nbTeams, int nbTumboks, int nbAi, const TClock& clock)
    : noise(noise), timer(turnDuration, clock), statistics(context.statistics), nbTeams(nbTeams),
      nbTumboks(nbTumboks), terrain(std::move(terrainPicture)), messages(messages) {
    statistics.reset(nbTeams);
    forces = std::make_unique<TExternalForces>();
    teams = std::make_unique<TTeamsManager>(nbTeams, nbTumboks, nbAi);
    this->nbTeams = teams->nbTeams;
    this->nbTumboks = teams->nbTumboks;
    gameStates = std::make_unique<TGameStateStack>(clock);
    gameStates->pushState(TGameStateType::StateNormal);
    context.networkTeam = 0;
    damage = std::make_unique<TDamage>(*teams, statistics);
    collisions = std::make_unique<TCollisions>(terrain.get(), *teams, *damage, messages);
    explosions = std::make_unique<TExplosionsPhy>(terrain.get(), *damage, explosifs, noise);
    explosions->terrainChanges = &terrainChanges_;
    particles = std::make_unique<TParticlesManager>();
    projectiles = std::make_unique<TProjectileManager>(terrain.get(), *teams, *forces, *damage, *collisions,
                                                       *explosions, *particles, noise);
    projectiles->terrainChanges = &terrainChanges_;
    callback = std::make_unique<TCallBackPhy>(*this);
    ai = std::make_unique<TAi>(*callback, terrain.get(), *teams, timer, *collisions);
    explosifs = std::make_unique<TExplosifsManager>(context, *explosions);
    movingFrames_.assign(static_cast<std::size_t>(this->nbTeams) * static_cast<std::size_t>(this->nbTumboks),
                         0);
    placeTumboks(solid);
    placeExplosifs(solid);
}

TPhysics::~TPhysics() {
    // The stack goes with the match; its records are released here, not reported as left over.
    gameStates->clear();
}

bool TPhysics::step() {
    explosions->step();
    particles->step();
    projectiles->step();
    stepExplosifs();
    bool endWanted = stepTumboks();
    if (projectiles->inFlight() && projectiles->projectile->done) {
        projectileFinished();
    }
    endWanted = turnChecks() || endWanted;
    // Decided once, after every body has moved this frame.
    if (endWanted || turn_.waitingForRest()) {
        return requestTurnEnd();
    }
    return true;
}

void TPhysics::stepExplosifs() {
    for (int i = 0; i < explosifs->count();) {
        TExplosif& box = explosifs->at(i);
        forces->apply(box);
        bool outOfMap = false;
        if (collisions->collide(box, false, outOfMap, true)) {
            explosifs->explode(i); // the last box now sits in slot i
        } else {
            ++i;
        }
    }
}

bool TPhysics::stepTumboks() {
    bool currentLanded = false;
    deadAtRest_ = true;
    for (TTeam& team : teams->teams) {
        for (TTumbok& tumbok : team.tumboks) {
            if (tumbok.isAlive()) {
                const bool isCurrent = teams->current == TTumbokLocation{tumbok.team, tumbok.number};
                currentLanded = stepLiving(tumbok, isCurrent) || currentLanded;
            } else if (!tumbok.out) {
                stepDead(tumbok);
            }
            if (!tumbok.out && !tumbok.isAlive()) {
                deadAtRest_ = false;
            }
        }
    }
    return currentLanded;
}

bool TPhysics::stepLiving(TTumbok& tumbok, bool isCurrent) {
    forces->apply(tumbok);
    bool outOfMap = false;
    const bool landed = collisions->collide(tumbok, false, outOfMap, true);
    if (projectiles->inFlight()) {
        projectiles->hitTest(*projectiles->projectile, tumbok);
    }
    int& moving = movingFrames(tumbok);
    moving = isStill(tumbok) || tumbok.out ? 0 : moving + 1;
    return landed && isCurrent;
}

void TPhysics::stepDead(TTumbok& tumbok) {
    forces->apply(tumbok);
    bool outOfMap = false;
    collisions->collide(tumbok, true, outOfMap, true);
    if (tumbok.out) {
        return; // fell out of the map
    }
    TVector foot;
    int& moving = movingFrames(tumbok);
    ++moving;
    // Standing on the ground, held still by a ledge, or moving for too long: it rests where it is.
    if (!collisions->isInAir(tumbok, foot) || isStill(tumbok) || moving >= restBoundFrames) {
        layToRest(tumbok);
    }
}

void TPhysics::layToRest(TTumbok& tumbok) {
    tumbok.out = true;
    movingFrames(tumbok) = 0;
    if (tumbokDisplay != nullptr && terrain) {
        terrainChanges_.add(tumbokDisplay->stampDead(tumbok, terrain.get()));
    }
}

bool TPhysics::turnChecks() {
    if (gameStates->current() != TGameStateType::StateNormal) {
        return false;
    }
    const TTumbok* active = teams->currentTumbok();
    if (active == nullptr || !active->isAlive() || !timer.isRunning()) {
        return true;
    }
    const TTeam* team = teams->currentTeam();
    if (team != nullptr && team->computer && turn_.mayAskComputer() && !ai->step()) {
        messages.add("The AI abandons !");
        turn_.computerGaveUp();
        return true;
    }
    return false;
}

bool TPhysics::livingAtRest() const {
    for (const TTeam& team : teams->teams) {
        for (const TTumbok& tumbok : team.tumboks) {
            if (!tumbok.isAlive() || tumbok.out) {
                continue;
            }
            const int moving =
                movingFrames_[static_cast<std::size_t>(tumbok.team * nbTumboks + tumbok.number)];
            if (moving > 0 && moving < restBoundFrames) {
                return false;
            }
        }
    }
    return true;
}

void TPhysics::projectileFinished() {
    gameStates->pop();
    gameStates->pushState(TGameStateType::StateAfterMotion);
    projectiles->discard();
}

bool TPhysics::requestTurnEnd() {
    if (turn_.unnoticed()) {
        return true;
    }
    if (projectiles->inFlight() || !(explosions->allFinished() && deadAtRest_ && livingAtRest())) {
        turn_.waitForRest();
        return true;
    }
    return startTurn();
}

bool TPhysics::startTurn() {
    gameStates->clear();
    if (teams->teamsWithHealth() < 2 || !teams->nextTurn()) {
        turn_.over();
        return false;
    }
    turn_.begin();
    if (teams->currentTeam()->computer) {
        ai->startTurn();
    }
    timer.restart();
    forces->newWind();
    gameStates->pushState(TGameStateType::StateNormal);
    // Nothing runs between turns, so the finished explosions can go.
    explosions->pruneFinished();
    return true;
}

bool TPhysics::fire(int power, TWeapon weapon, double angle) {
    if (turn_.phase() != TTurnPhase::TurnPlaying || activeLiving() == nullptr) {
        return false;
    }
    projectiles->launch(power, weapon, angle);
    gameStates->pop();
    gameStates->pushState(TGameStateType::StateMotion);
    requestTurnEnd();
    return true;
}

void TPhysics::walk(TDirection direction) {
    TTumbok* tumbok = activeLiving();
    if (tumbok == nullptr) {
        return;
    }
    if (direction != tumbok->direction || walkStep(direction, walkSteps, climbLimit)) {
        tumbok->walk(direction);
    }
}

bool TPhysics::walkStep(TDirection direction, int steps, int climb) {
    TTumbok& tumbok = *activeLiving();
    const TVector start = tumbok.position;
    TVector foot;
    if (collisions->isInAir(tumbok, foot)) {
        return false;
    }
    turn_.moved();
    bool moved = false;
    for (int n = steps; !moved && n > 0; --n) {
        const TVector d = walkDisplacement(foot, n, direction);
        const int steepness = d.y == 0.0 ? 0 : -roundHalfEven(d.y / d.x);
        if (steepness < climb) {
            // One pixel of lift; a refused attempt is not undone before the next, shorter one.
            tumbok.position = add(tumbok.position, vector(d.x, d.y - 1.0));
            TVector contact;
            if (!collisions->overlaps(tumbok, contact)) {
                tumbok.speed = d;
                moved = true;
            }
        }
    }
    if (!moved) {
        tumbok.position = start;
    }
    return moved;
}

TVector TPhysics::walkDisplacement(TVector footPoint, int steps, TDirection direction) const {
    TVector u;
    surfaceDirection(footPoint, terrain.get(), direction, steps, u);
    const double sign = direction == TDirection::DirectionRight ? 1.0 : -1.0;
    if (u.x != 0.0) {
        return scale(u, sign * steps);
    }
    return vector(sign * steps, 0.0);
}

void TPhysics::jump() {
    TTumbok* tumbok = activeLiving();
    TVector foot;
    if (tumbok == nullptr || collisions->isInAir(*tumbok, foot)) {
        return;
    }
    turn_.moved();
    noise.playSound(TTypeSound::SoundJump);
    const double side = tumbok->direction == TDirection::DirectionLeft ? -1.0 : 1.0;
    tumbok->speed = vector(side * jumpSpeed.x, jumpSpeed.y);
}

void TPhysics::changeTumbok() {
    if (turn_.mayChangeTumbok()) {
        teams->nextTumbok();
    }
}

void TPhysics::selectTumbok(int index) {
    const TTeam* team = teams->currentTeam();
    if (turn_.mayChangeTumbok() && team != nullptr && !team->computer) {
        teams->selectTumbok(index);
    }
}

void TPhysics::selectWeapon(TWeapon weapon) {
    if (TTeam* team = teams->currentTeam()) {
        team->weapon = weapon;
    }
}

TCallback& TPhysics::commands() {
    return *callback;
}

void TPhysics::attachStampers(TDeadTumbokStamper* graves, TProjectileStamper* shots) {
    tumbokDisplay = graves;
    projectiles->projectileDisplay = shots;
}

TProjectile* TPhysics::projectileInFlight() {
    return projectiles->inFlight() ? projectiles->projectile.get() : nullptr;
}

void TPhysics::keepSeededSequence() {
    particles->reseed = nullptr;
}

TPhysicsView TPhysics::view() const {
    return {*teams, *projectiles, *explosions, *explosifs, *particles, forces->wind, timer, terrainChanges_};
}

bool TPhysics::takeNewTurn() {
    return turn_.notice();
}

TTumbok* TPhysics::activeLiving() {
    TTeam* team = teams->currentTeam();
    TTumbok* tumbok = team != nullptr ? team->tumbokAt(teams->current.tumbok) : nullptr;
    return tumbok != nullptr && tumbok->isAlive() ? tumbok : nullptr;
}

int& TPhysics::movingFrames(const TTumbok& tumbok) {
    return movingFrames_[static_cast<std::size_t>(tumbok.team * nbTumboks + tumbok.number)];
}

void TPhysics::placeTumboks(const TSolidMask& solid) {
    const TStandingSpots spots(solid, TTumbok::tumbokWidth, TTumbok::tumbokHeight, tumbokMarginX,
                               tumbokMarginY);
    int unplaced = 0;
    for (TTeam& team : teams->teams) {
        for (TTumbok& tumbok : team.tumboks) {
            if (spots.empty()) {
                // Nowhere to stand: it takes no part in the match (no kill is counted).
                tumbok.health = 0;
                tumbok.out = true;
                ++unplaced;
                continue;
            }
            const TPixelPoint spot = spots.pick();
            tumbok.position = vector(spot.x, spot.y);
        }
    }
    reportUnplaced(unplaced, nbTeams * nbTumboks, "tumboks");
}

void TPhysics::placeExplosifs(const TSolidMask& solid) {
    const TStandingSpots spots(solid, TExplosif::explosifSize, TExplosif::explosifSize, explosifMargin,
                               explosifMargin);
    const int total = explosifs->count();
    if (spots.empty()) {
        while (explosifs->count() > 0) {
            explosifs->remove(explosifs->count() - 1);
        }
    }
    for (int i = 0; i < explosifs->count(); ++i) {
        const TPixelPoint spot = spots.pick();
        explosifs->at(i).position = vector(spot.x, spot.y);
    }
    reportUnplaced(total - explosifs->count(), total, "boxes");
}
