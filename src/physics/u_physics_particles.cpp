#include "physics/u_physics_particles.hpp"

#include "physics/u_physics_external_forces.hpp"
#include "resources/u_random.hpp"

namespace {

constexpr int smokeFramesPerImage = 3;
constexpr int smokeImageCount = 6;

} // namespace

TParticlesFountain::TParticlesFountain(TParticleType kind, TVector position, TReseed reseed)
    : kind(kind), position(position),
      framesPerImage(kind == TParticleType::ParticleSmoke ? smokeFramesPerImage : 0),
      imageCount(kind == TParticleType::ParticleSmoke ? smokeImageCount : 0) {
    if (reseed != nullptr) {
        reseed();
    }
}

void TParticlesFountain::step() {
    position = add(position, drift);
    if (emitting) {
        emit();
    }
    auto before = particles.before_begin();
    for (auto it = particles.begin(); it != particles.end();) {
        advance(*it);
        if (it->age >= lifetime) {
            it = particles.erase_after(before);
        } else {
            before = it++;
        }
    }
}

void TParticlesFountain::emit() {
    for (int i = 0; i <= emitCount; ++i) {
        TParticle particle;
        // Two draws each, x first.
        const int dx = Random(randomSpread);
        const int dy = Random(randomSpread);
        particle.position = add(position, vector(dx, dy));
        const int sx = Random(randomSpeed);
        const int sy = Random(randomSpeed);
        particle.speed = add(baseSpeed, vector(sx, sy));
        particle.size = particleSize;
        particles.push_front(particle);
    }
}

void TParticlesFountain::advance(TParticle& particle) const {
    constexpr double step = TExternalForces::timeStep;
    particle.speed = add(particle.speed, scale(acceleration, step));
    particle.position = add(particle.position, scale(particle.speed, step));
    ++particle.age;
    // A fountain without frames has no animation to advance.
    if (framesPerImage > 0 && particle.age % framesPerImage == 0 && particle.imageIndex < imageCount - 1) {
        particle.imageIndex = (particle.imageIndex + 1) % imageCount;
    }
}

TParticlesFountain& TParticlesManager::addFountain(TParticleType kind, TVector position) {
    fountains.emplace_front(kind, position, reseed);
    return fountains.front();
}

void TParticlesManager::step() {
    auto before = fountains.before_begin();
    for (auto it = fountains.begin(); it != fountains.end();) {
        if (it->stopRequested && it->empty()) {
            it = fountains.erase_after(before);
        } else {
            it->step();
            before = it++;
        }
    }
}
