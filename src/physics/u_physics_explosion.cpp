#include "physics/u_physics_explosion.hpp"

#include "app/u_context.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_data.hpp"
#include "resources/u_numbers.hpp"
#include "sound/u_sound.hpp"

#include <algorithm>
#include <cmath>

namespace {

// The hole a blast node of the given reach carves at the given age.
int carveRadius(int age, int blastRadius) {
    return (age * blastRadius) / 6 / 2;
}

} // namespace

TExplosionsPhy::TExplosionsPhy(SDL_Surface* terrain, TDamage& damage,
                               const std::unique_ptr<TExplosifsManager>& explosifsRef, TNoise& noise)
    : terrain(terrain), damage(damage), explosifsRef(explosifsRef), noise(noise) {
    // Made now, so that a chain of blasts allocates nothing.
    carver_.prepare(carveRadius(TExplosion::actingAge, TExplosion::smallestRadius),
                    carveRadius(TExplosion::actingAge, TExplosion::baseRadius));
}

void TExplosionsPhy::add(TVector position) {
    int x = 0;
    int y = 0;
    // A point too far away to be a pixel (or not a number) cannot reach anything.
    if (!toPixelIndex(position.x, x) || !toPixelIndex(position.y, y)) {
        return;
    }
    list.push_back(std::make_unique<TExplosion>(x, y));
}

void TExplosionsPhy::step() {
    // Explosions set off during this loop get their first update in the next step.
    const std::size_t count = list.size();
    for (std::size_t i = 0; i < count; ++i) {
        TExplosion& explosion = *list[i];
        if (explosion.isFinished()) {
            continue;
        }
        if (explosion.frame == soundFrame) {
            noise.playSound(TTypeSound::SoundExplosion);
        }
        ++explosion.frame;
        TExplosion::TCursor cursor;
        while (explosion.advance(cursor)) {
            if (cursor.node().age == TExplosion::actingAge) {
                act(cursor.node());
            }
        }
    }
}

void TExplosionsPhy::act(const TExplosionNode& node) {
    const int hole = carveRadius(node.age, node.radius);
    carver_.carve(terrain, hole, node.x, node.y);
    if (terrainChanges != nullptr) {
        terrainChanges->add(carvedSquare(hole, node.x, node.y));
    }
    damage.blast(vector(node.x, node.y), node.radius, blastPush, blastDamage);
    if (!explosifsRef) {
        return;
    }
    TExplosifsManager& boxes = *explosifsRef;
    for (int i = 0; i < boxes.count();) {
        if (!boxes.blastHits(node, i)) {
            ++i;
        }
    }
}

bool TExplosionsPhy::allFinished() const {
    return std::all_of(list.begin(), list.end(),
                       [](const auto& explosion) { return explosion->isFinished(); });
}

void TExplosionsPhy::pruneFinished() {
    std::erase_if(list, [](const auto& explosion) { return explosion->isFinished(); });
}

TExplosifsManager::TExplosifsManager(const TContext& context, TExplosionsPhy& explosions)
    : context(context), explosions(explosions) {
    const int wanted = std::clamp(context.preferences.nbExplosifs, 0, maxExplosifs);
    list.reserve(static_cast<std::size_t>(wanted));
    for (int i = 0; i < wanted; ++i) {
        list.push_back(std::make_unique<TExplosif>());
    }
}

void TExplosifsManager::explode(int i) {
    explosions.add(at(i).position);
    remove(i);
}

void TExplosifsManager::remove(int i) {
    const auto slot = static_cast<std::size_t>(i);
    if (slot + 1 < list.size()) {
        list[slot] = std::move(list.back());
    }
    list.pop_back();
}

bool TExplosifsManager::blastHits(const TExplosionNode& node, int i) {
    const TVector corner = at(i).position;
    if (std::fabs(node.x - corner.x - halfSize) < node.radius &&
        std::fabs(node.y - corner.y - halfSize) < node.radius) {
        explode(i);
        return true;
    }
    return false;
}
