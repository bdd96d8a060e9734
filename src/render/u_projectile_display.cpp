#include "render/u_projectile_display.hpp"

#include "resources/u_numbers.hpp"

#include <cmath>

namespace {

constexpr std::size_t degreesInTurn = 360;

std::size_t pictureIndex(TWeapon w) {
    return static_cast<std::size_t>(w);
}

// The flight angle as a whole degree in 0 .. 359.
int wholeDegree(double angle) {
    if (!std::isfinite(angle)) {
        return 0;
    }
    const int degree = roundHalfEven(std::fmod(angle, 360.0)) % 360;
    return degree < 0 ? degree + 360 : degree;
}

} // namespace

TProjectileDisplay::TProjectileDisplay(TDisplay& display, TMoves& moves)
    : TBasicDisplay(display, moves), pictures{projectileImage(TWeapon::WeaponBow),
                                              projectileImage(TWeapon::WeaponBazooka),
                                              projectileImage(TWeapon::WeaponGrenade)},
      turned_{TPictureCache(degreesInTurn), TPictureCache(degreesInTurn), TPictureCache(degreesInTurn)} {}

SDL_Surface* TProjectileDisplay::pictureOf(const TProjectile& p) const {
    const std::size_t index = pictureIndex(p.weapon);
    return index < pictureCount ? pictures[index].get() : nullptr;
}

void TProjectileDisplay::draw(TProjectile& p) {
    if (p.weapon != TWeapon::WeaponFragmentation) {
        drawOne(p);
        return;
    }
    if (p.fragments == nullptr) {
        return;
    }
    for (TProjectile& fragment : p.fragments->projectiles) {
        if (!fragment.done) {
            drawOne(fragment);
        }
    }
}

void TProjectileDisplay::drawOne(TProjectile& p) {
    SDL_Surface* source = pictureOf(p);
    if (source == nullptr) {
        return;
    }
    // Screen y grows downward, so the picture turns by minus the flight angle.
    const int degree = wholeDegree(p.updateAngle());
    SDL_Surface* turned = turned_[pictureIndex(p.weapon)].obtain(
        source, degree, [&] { return rotatePicture(source, -static_cast<double>(degree)); });
    if (turned == nullptr) {
        return;
    }
    blitToScreen(turned, nullptr, screenX(mapPixel(p.position.x)) - turned->w / 2,
                 screenY(mapPixel(p.position.y)) - turned->h / 2);
}

TPixelRect TProjectileDisplay::stamp(TProjectile& p, SDL_Surface* surface) {
    SDL_Surface* source = pictureOf(p);
    if (surface == nullptr || source == nullptr) {
        return {};
    }
    const SurfacePtr turned = rotatePicture(source, -p.updateAngle());
    if (turned == nullptr) {
        return {};
    }
    return blendAt(turned.get(), surface, mapPixel(p.position.x) - turned->w / 2,
                   mapPixel(p.position.y) - turned->h / 2);
}
