#include "physics/u_physics_external_forces.hpp"

#include "resources/u_random.hpp"

TExternalForces::TExternalForces() : gravity(vector(0.0, gravityStrength)) {
    newWind();
}

void TExternalForces::newWind() {
    wind = vector(Random(windRange) - windRange / 2, 0.0);
}

void TExternalForces::apply(TObject& body) const {
    auto* projectile = bodyAs<TProjectile>(body);
    if (projectile == nullptr) {
        step(body, gravity);
        return;
    }
    const TVector acceleration = add(gravity, wind);
    if (projectile->weapon != TWeapon::WeaponFragmentation) {
        step(*projectile, acceleration);
        return;
    }
    if (projectile->fragments) {
        for (TProjectile& fragment : projectile->fragments->projectiles) {
            if (!fragment.done) {
                step(fragment, acceleration);
            }
        }
    }
}

void TExternalForces::step(TObject& body, TVector acceleration) {
    body.speed = add(body.speed, scale(acceleration, timeStep));
    body.position = add(body.position, scale(body.speed, timeStep));
}
