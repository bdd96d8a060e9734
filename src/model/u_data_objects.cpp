#include "model/u_data_objects.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_numbers.hpp"
#include "resources/u_random.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

TVector reflect(TVector v, TVector axis) {
    const double axisSquared = dot(axis, axis);
    const double projection = axisSquared == 0.0 ? 0.0 : dot(v, axis) / axisSquared;
    return add(scale(axis, 2.0 * projection), scale(v, -1.0));
}

TPixelPoint toPixel(TVector v) {
    return TPixelPoint{roundHalfEven(v.x), roundHalfEven(v.y)};
}

TPixelRect unite(const TPixelRect& a, const TPixelRect& b) {
    if (a.empty()) {
        return b;
    }
    if (b.empty()) {
        return a;
    }
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return {left, top, std::max(a.x + a.w, b.x + b.w) - left, std::max(a.y + a.h, b.y + b.h) - top};
}

std::string weaponName(TWeapon w) {
    switch (w) {
    case TWeapon::WeaponBow:
        return "Bow";
    case TWeapon::WeaponBazooka:
        return "Bazooka";
    case TWeapon::WeaponGrenade:
        return "Grenade";
    case TWeapon::WeaponFragmentation:
        return "Fragmentation bomb";
    }
    return "";
}

std::string weaponFileName(TWeapon w) {
    switch (w) {
    case TWeapon::WeaponBow:
        return "bow";
    case TWeapon::WeaponBazooka:
        return "bazooka";
    case TWeapon::WeaponGrenade:
    case TWeapon::WeaponFragmentation:
        return "grenade";
    }
    return "";
}

std::string weaponImageName(TWeapon w, bool facingRight) {
    return dataFile::weapon(weaponFileName(w), facingRight);
}

std::string projectileImageName(TWeapon w) {
    return dataFile::projectile(weaponFileName(w));
}

SurfacePtr weaponImage(TWeapon w, bool facingRight) {
    return loadGameImage(weaponImageName(w, facingRight));
}

SurfacePtr projectileImage(TWeapon w) {
    return loadGameImage(projectileImageName(w));
}

TTumbok::TTumbok() {
    width = tumbokWidth;
    height = tumbokHeight;
}

void TTumbok::setPlace(int teamIndex, int numberInTeam) {
    team = teamIndex;
    number = numberInTeam;
}

void TTumbok::walk(TDirection d) {
    if (direction == d) {
        frame = (frame + 1) % walkFrames;
    } else {
        direction = d;
    }
}

TProjectile::TProjectile(TWeapon w) : weapon(w) {
    width = projectileSize;
    height = projectileSize;
    if (weapon == TWeapon::WeaponFragmentation) {
        fragments = std::make_unique<TFragments>();
        fragments->projectiles.emplace_back(TWeapon::WeaponGrenade);
    }
}

TProjectile::TProjectile(TProjectile&&) noexcept = default;
TProjectile& TProjectile::operator=(TProjectile&&) noexcept = default;
TProjectile::~TProjectile() = default;

double TProjectile::updateAngle() {
    if (speed.x == 0.0 && speed.y == 0.0) {
        return angle;
    }
    if (speed.x == 0.0) {
        angle = 90.0;
        return angle;
    }
    angle = std::atan(speed.y / speed.x) * 180.0 / std::numbers::pi;
    if (speed.x < 0.0) {
        angle += 180.0;
    }
    return angle;
}

bool TProjectile::tick() {
    ++ticks;
    if (weapon == TWeapon::WeaponFragmentation) {
        const bool finished = splitFragments();
        if (fragments && !fragments->projectiles.empty()) {
            position = fragments->projectiles.front().position;
        }
        return finished;
    }
    if (done) {
        return false;
    }
    return weapon == TWeapon::WeaponGrenade && ticks >= fuseTicks;
}

bool TProjectile::splitFragments() {
    if (!fragments) {
        return false;
    }
    const bool mustSplit = fragments->generation < maxGenerations && ticks >= fuseTicks;
    std::vector<TProjectile>& pieces = fragments->projectiles;
    bool finished = true;
    const std::size_t presentAtStart = pieces.size();
    for (std::size_t i = 0; i < presentAtStart; ++i) {
        finished = finished && pieces[i].done;
        if (!mustSplit) {
            continue;
        }
        finished = false;
        const int speedX = Random(splitSpeedRange);
        const int speedY = Random(splitSpeedRange);
        TProjectile& piece = pieces[i];
        piece.speed = vector(speedX, speedY);
        piece.done = false;
        piece.ticks = 0;
        TProjectile twin(TWeapon::WeaponGrenade);
        twin.position = piece.position;
        twin.speed = scale(piece.speed, -1.0);
        // Appending may move the array, so no reference into it is kept past this line.
        pieces.push_back(std::move(twin));
    }
    if (mustSplit) {
        ticks = 0;
        ++fragments->generation;
    }
    return finished;
}

TExplosif::TExplosif() {
    width = explosifSize;
    height = explosifSize;
}
