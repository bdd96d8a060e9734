#include "ai/u_ai_move.hpp"

#include "model/u_data_teams.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"

TAiMove::TAiMove(TCallback& callback, SDL_Surface* terrain, TTeamsManager& teams,
                 const TCollisions& collisions)
    : terrain(terrain), teams(teams), callback(callback), collisions(collisions) {}

void TAiMove::start() {
    movement = TMovement::Walking;
    direction = Random(2) != 0 ? TDirection::DirectionRight : TDirection::DirectionLeft;
    lastPosition = vector(-1, -1);
    blockedPosition = vector(-1, -1);
}

void TAiMove::turnRound() {
    direction =
        direction == TDirection::DirectionLeft ? TDirection::DirectionRight : TDirection::DirectionLeft;
    callback.walk(direction);
}

bool TAiMove::atEdge(const TTumbok& tumbok) const {
    const int width = terrain == nullptr ? 0 : terrain->w;
    return (direction == TDirection::DirectionLeft && tumbok.position.x < edgeMargin) ||
           (direction == TDirection::DirectionRight && tumbok.position.x > width - edgeMargin);
}

bool TAiMove::dropAhead(const TTumbok& tumbok) const {
    TObject probe;
    probe.width = tumbok.width;
    probe.height = tumbok.height;
    probe.speed = tumbok.speed;
    probe.position = add(tumbok.position, callback.walkDisplacement(foot, lookAhead, direction));
    TVector probeFoot;
    return collisions.isInAir(probe, probeFoot);
}

bool TAiMove::mustTurn(const TTumbok& tumbok) const {
    return atEdge(tumbok) || dropAhead(tumbok);
}

void TAiMove::step() {
    TTumbok* tumbok = teams.currentTumbok();
    if (tumbok == nullptr) {
        return;
    }
    const bool supported = !collisions.isInAir(*tumbok, foot);
    if (supported && movement == TMovement::Walking) {
        if (mustTurn(*tumbok)) {
            turnRound();
        } else if (tumbok->position.x == lastPosition.x) {
            blockedPosition = tumbok->position;
            turnRound();
        }
        // Every decision remembers where it was taken: a turn at a brink is one, so the step back from the
        // brink does not look like being stuck.
        lastPosition = tumbok->position;
    }
    if (movement == TMovement::Walking) {
        callback.walk(direction);
    }
}
