#include "physics/u_physics_projectile_manager.hpp"

#include "model/u_data_teams.hpp"
#include "physics/u_physics_collisions.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_external_forces.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_stamps.hpp"
#include "physics/u_physics_terrain_changes.hpp"
#include "sound/u_sound.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

TTypeSound launchSound(TWeapon weapon) {
    switch (weapon) {
    case TWeapon::WeaponBow:
        return TTypeSound::SoundArrow;
    case TWeapon::WeaponBazooka:
        return TTypeSound::SoundFire;
    case TWeapon::WeaponGrenade:
    case TWeapon::WeaponFragmentation:
        break;
    }
    return TTypeSound::SoundThrow;
}

// The body that really flies: the bomb's first fragment, or the projectile itself.
TProjectile& flyingBody(TProjectile& p) {
    if (p.fragments && !p.fragments->projectiles.empty()) {
        return p.fragments->projectiles.front();
    }
    return p;
}

} // namespace

TProjectileManager::TProjectileManager(SDL_Surface* terrain, TTeamsManager& teams, TExternalForces& forces,
                                       TDamage& damage, TCollisions& collisions, TExplosionsPhy& explosions,
                                       TParticlesManager& particles, TNoise& noise)
    : terrain(terrain), forces(forces), damage(damage), collisions(collisions), explosions(explosions),
      noise(noise), teams(teams), particles(particles) {}

TProjectileManager::~TProjectileManager() {
    if (projectile) {
        discard();
    }
}

void TProjectileManager::launch(int power, TWeapon weapon, double angle) {
    TTumbok* shooter = teams.currentTumbok();
    TTeam* team = teams.currentTeam();
    if (shooter == nullptr || team == nullptr) {
        return;
    }
    noise.playSound(launchSound(weapon));
    if (projectile) {
        discard(); // one shot in flight at most
    }
    projectile = std::make_unique<TProjectile>(weapon);
    power = std::clamp(power, 0, maxPower);
    const double theta = angle * std::numbers::pi / 180.0;
    TProjectile& body = flyingBody(*projectile);
    body.position = add(shooter->position, launchOffset);
    body.speed = vector(power * std::cos(theta), -power * std::sin(theta));
    projectile->position = body.position;
    team->power = power;
    team->weapon = weapon;
    if (weapon == TWeapon::WeaponBazooka) {
        TParticlesFountain& smoke = particles.addFountain(TParticleType::ParticleSmoke, body.position);
        smoke.lifetime = smokeLifetime;
        smoke.acceleration = smokeAcceleration;
        smoke.emitCount = smokeEmitCount;
        fountain = &smoke;
    }
}

void TProjectileManager::step() {
    if (!projectile || projectile->done) {
        return;
    }
    TProjectile& p = *projectile;
    lastPosition = p.position;
    bool fast = norm(p.speed) > fastSpeed;
    bool outOfMap = false;
    forces.apply(p);
    const bool contact =
        p.weapon == TWeapon::WeaponFragmentation ? flyFragments(p, fast) : flySingle(p, outOfMap);
    if (contact) {
        playContactSound(p, fast);
    }
    if (outOfMap) {
        p.done = true;
    } else {
        finishByWeapon(p, contact);
    }
    if (fountain != nullptr) {
        fountain->position = p.position;
    }
}

bool TProjectileManager::flySingle(TProjectile& p, bool& outOfMap) {
    const bool bounce = p.weapon == TWeapon::WeaponGrenade;
    return collisions.collide(p, true, outOfMap, bounce);
}

bool TProjectileManager::flyFragments(TProjectile& bomb, bool& fast) {
    fast = false;
    bool contact = false;
    // Indices: a split appends fragments, which would move them under a reference.
    for (std::size_t i = 0; i < bomb.fragments->projectiles.size(); ++i) {
        TProjectile& fragment = bomb.fragments->projectiles[i];
        if (fragment.done) {
            continue;
        }
        fast = fast || norm(fragment.speed) > fastSpeed;
        bool fragmentOut = false;
        contact = collisions.collide(fragment, true, fragmentOut, true) || contact;
        if (fragmentOut) {
            fragment.done = true;
        } else if (fragment.tick()) {
            fragment.done = true;
            explosions.add(fragment.position);
        }
    }
    if (bomb.tick()) {
        bomb.done = true;
    }
    return contact;
}

void TProjectileManager::playContactSound(const TProjectile& p, bool fast) const {
    if (p.weapon == TWeapon::WeaponBow) {
        noise.playSound(TTypeSound::SoundPlant);
    } else if ((p.weapon == TWeapon::WeaponGrenade || p.weapon == TWeapon::WeaponFragmentation) && fast) {
        noise.playSound(TTypeSound::SoundBounce);
    }
}

void TProjectileManager::finishByWeapon(TProjectile& p, bool contact) {
    switch (p.weapon) {
    case TWeapon::WeaponBow:
    case TWeapon::WeaponBazooka:
        if (contact) {
            stamp(p);
            if (p.weapon == TWeapon::WeaponBazooka) {
                explosions.add(p.position);
            }
            p.done = true;
        }
        break;
    case TWeapon::WeaponGrenade:
        if (p.tick()) {
            stamp(p);
            explosions.add(p.position);
            p.done = true;
        }
        break;
    case TWeapon::WeaponFragmentation:
        break;
    }
}

void TProjectileManager::stamp(TProjectile& p) {
    if (projectileDisplay != nullptr && terrain != nullptr) {
        const TPixelRect changed = projectileDisplay->stamp(p, terrain);
        if (terrainChanges != nullptr) {
            terrainChanges->add(changed);
        }
    }
}

void TProjectileManager::hitTest(TProjectile& p, TTumbok& t) {
    // A stuck or spent projectile hurts no one: an arrow hurts one tumbok, once.
    if (p.done) {
        return;
    }
    const bool hit = (p.width + t.width) / 2 > std::fabs(p.position.x - t.position.x - t.width / 2) &&
                     (p.height + t.height) / 2 > std::fabs(p.position.y - t.position.y - t.height / 2);
    if (!hit) {
        return;
    }
    switch (p.weapon) {
    case TWeapon::WeaponBow:
        p.done = true;
        damage.hurt({t.team, t.number}, arrowDamage);
        break;
    case TWeapon::WeaponBazooka:
        explosions.add(p.position);
        p.done = true;
        break;
    case TWeapon::WeaponGrenade:
    case TWeapon::WeaponFragmentation:
        break;
    }
}

void TProjectileManager::discard() {
    if (fountain != nullptr) {
        fountain->stopRequested = true;
        fountain->emitting = false;
        fountain = nullptr;
    }
    projectile.reset();
}
