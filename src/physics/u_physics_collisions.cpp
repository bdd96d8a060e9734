#include "physics/u_physics_collisions.hpp"

#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_messages.hpp"
#include "resources/u_numbers.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How far from a whole pixel a coordinate may lie and still round to it without doubt.
constexpr double offHalfWindow = 0.5 - 1e-6;

// The border probes of a body all sit at whole offsets from its corner, so away from exact halves (where
// rounding to even could split them) they are named by the rounded corner alone.
bool probesFollowCorner(TVector position, TPixelPoint& corner) {
    const auto offHalf = [](double v, int& index) {
        return toPixelIndex(v, index) && std::fabs(v - index) < offHalfWindow;
    };
    return offHalf(position.x, corner.x) && offHalf(position.y, corner.y);
}

// Whether probesFollowCorner would name this very corner, without rounding: within the window of a whole
// pixel, rounding can only give that pixel.
bool stillFollows(TVector position, TPixelPoint corner) {
    return std::fabs(position.x - corner.x) < offHalfWindow &&
           std::fabs(position.y - corner.y) < offHalfWindow;
}

// The border probes at whole offsets (i, j) from a corner, in their order: bottom, top, then the sides over
// the top w + 1 rows only. Stops at the first that the probe finds solid and returns true.
template <typename Probe> bool anyBorderProbe(int w, int h, Probe probe) {
    for (int i = 0; i <= w; ++i) {
        if (probe(i, h)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(i, 0)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(0, i)) {
            return true;
        }
    }
    for (int i = 0; i <= w; ++i) {
        if (probe(w, i)) {
            return true;
        }
    }
    return false;
}

// The border probes reach w to the right and max(w, h) down from the corner.
bool allProbesInside(const TTerrainReader& reader, TPixelPoint corner, int w, int h) {
    return reader.bytesPerPixel() == 4 && w >= 0 && h >= 0 && reader.inside(corner.x, corner.y) &&
           reader.inside(corner.x + w, corner.y + std::max(w, h));
}

bool overlapsOn(const TTerrainReader& reader, const TObject& body, TVector* contact) {
    const double x = body.position.x;
    const double y = body.position.y;
    int hitI = 0;
    int hitJ = 0;
    const auto hit = [&](int i, int j, bool solid) {
        hitI = i;
        hitJ = j;
        return solid;
    };
    TPixelPoint corner;
    bool found = false;
    // On the grid the probes need no rounding of their own, and with every probe inside a 32-bit picture
    // no bounds check either.
    if (probesFollowCorner(body.position, corner)) {
        if (allProbesInside(reader, corner, body.width, body.height)) {
            found = anyBorderProbe(body.width, body.height, [&](int i, int j) {
                return hit(i, j, reader.isSolidPixel(*reader.pixel32(corner.x + i, corner.y + j)));
            });
        } else {
            found = anyBorderProbe(body.width, body.height, [&](int i, int j) {
                return hit(i, j, reader.solidAt(corner.x + i, corner.y + j));
            });
        }
    } else {
        found = anyBorderProbe(body.width, body.height,
                               [&](int i, int j) { return hit(i, j, reader.solidAt(vector(x + i, y + j))); });
    }
    if (found && contact != nullptr) {
        *contact = vector(x + hitI, y + hitJ);
    }
    return found;
}

// A zero, infinite or undefined speed has no direction to sweep or back out along.
bool hasDirection(double length) {
    return length > 0.0 && std::isfinite(length);
}

// Outside the picture nothing is solid: a path that stays clear of it, with a pixel of slack for rounding
// and the last sub-step, touches nothing.
bool pathMissesPicture(const TTerrainReader& reader, const TObject& body, TVector from, TVector to) {
    constexpr double slack = 2.0;
    const double left = std::min(from.x, to.x) - slack;
    const double right = std::max(from.x, to.x) + body.width + slack;
    const double top = std::min(from.y, to.y) - slack;
    const double bottom = std::max(from.y, to.y) + body.height + slack;
    return right < 0.0 || bottom < 0.0 || left >= reader.width() || top >= reader.height();
}

} // namespace

TCollisions::TCollisions(SDL_Surface* terrain, TTeamsManager& teams, TDamage& damage, TMessageSink& messages)
    : terrain(terrain), teams(teams), damage(damage), messages(messages) {}

bool TCollisions::isInAir(const TObject& body, TVector& foot) const {
    const TTerrainReader reader(terrain);
    const double row = body.position.y + body.height + 1;
    for (int i = -1; i <= body.width + 1; ++i) {
        foot = vector(body.position.x + i, row);
        if (reader.solidAt(foot)) {
            return false;
        }
    }
    return true;
}

bool TCollisions::isBelowMap(const TObject& body) const {
    const int height = terrain == nullptr ? 0 : terrain->h;
    return body.position.y > height;
}

bool TCollisions::overlaps(const TObject& body, TVector& contact) const {
    return overlapsOn(TTerrainReader(terrain), body, &contact);
}

bool TCollisions::sweepContact(TObject& body, TVector& contact) const {
    const double length = norm(body.speed);
    if (!hasDirection(length)) {
        return false;
    }
    const TTerrainReader reader(terrain);
    const TVector reached = body.position;
    body.position = add(body.position, scale(body.speed, -integrationStep));
    const TVector unit = scale(body.speed, 1.0 / length);
    if (pathMissesPicture(reader, body, body.position, reached)) {
        body.position = reached;
        return false;
    }
    const TVector fineStep = scale(unit, integrationStep);
    TVector step = unit;
    TPixelPoint clearCorner;
    bool knownClear = false;
    // One sub-step per pixel of speed: ends after ceil(length) rounds at most.
    for (double k = 1.0;; k += 1.0) {
        body.position.x += step.x;
        body.position.y += step.y;
        if (!(length > k)) {
            break;
        }
        // Sub-steps are 1/20 pixel apart: most probe exactly the pixels the one before found clear.
        if (knownClear && stillFollows(body.position, clearCorner)) {
            step = fineStep;
            continue;
        }
        TPixelPoint corner;
        const bool keyed = probesFollowCorner(body.position, corner);
        if (!(keyed && knownClear && corner == clearCorner)) {
            if (overlapsOn(reader, body, &contact)) {
                return true; // the body stays where it first touched
            }
            knownClear = keyed;
            clearCorner = corner;
        }
        step = fineStep;
    }
    body.position = reached;
    return false;
}

bool TCollisions::backOut(TObject& body, double length) const {
    if (!hasDirection(length)) {
        return false;
    }
    const TTerrainReader reader(terrain);
    const TVector back = scale(body.speed, -1.0 / length);
    double k = 1.0;
    while (k <= length && overlapsOn(reader, body, nullptr)) {
        body.position = add(body.position, back);
        k += 1.0;
    }
    return k <= length;
}

TVector TCollisions::reflectOnTerrain(TVector speed, TVector contact) const {
    TVector left;
    TVector right;
    surfaceDirection(contact, terrain, TDirection::DirectionLeft, surfaceProbeDistance, left);
    surfaceDirection(contact, terrain, TDirection::DirectionRight, surfaceProbeDistance, right);
    const TVector tangent = normalize(add(left, right));
    const TVector normal = vector(tangent.y, -tangent.x);
    const double normalSquared = dot(normal, normal);
    if (normalSquared == 0.0) {
        return scale(speed, -1.0); // no slope to bounce off: straight back
    }
    return add(speed, scale(normal, -2.0 * dot(speed, normal) / normalSquared));
}

bool TCollisions::landing(TObject& body, double length, TVector contact) {
    const auto* projectile = bodyAs<TProjectile>(std::as_const(body));
    auto* tumbok = bodyAs<TTumbok>(body);
    if (length > bounceThreshold) {
        const bool grenade = projectile != nullptr && projectile->weapon == TWeapon::WeaponGrenade;
        const double restitution = grenade ? grenadeRestitution : defaultRestitution;
        body.speed = scale(reflectOnTerrain(body.speed, contact), restitution);
        if (norm(body.speed) < restThreshold) {
            body.speed = vector(0, 0);
        }
    } else {
        body.speed = vector(0, 0);
    }
    const bool hardLanding =
        (tumbok != nullptr || body.kind() == TBodyKind::BodyExplosif) && length > hardLandingSpeed;
    if (hardLanding && tumbok != nullptr) {
        damage.hurt({tumbok->team, tumbok->number},
                    roundHalfEven((length - hardLandingSpeed) / fallDamageDivisor));
    }
    return hardLanding;
}

void TCollisions::leaveMap(TObject& body) {
    if (auto* tumbok = bodyAs<TTumbok>(body)) {
        damage.kill({tumbok->team, tumbok->number});
        if (!tumbok->out) {
            tumbok->out = true;
            messages.add("The Tumbok is out !");
        }
    } else if (body.kind() == TBodyKind::BodyProjectile) {
        messages.add("The projectile is out !");
    }
}

bool TCollisions::collide(TObject& body, bool sweep, bool& outOfMap, bool bounce) {
    outOfMap = isBelowMap(body);
    TVector contactPoint;
    const bool contact = sweep ? sweepContact(body, contactPoint) : overlaps(body, contactPoint);
    bool landed = false;
    if (contact) {
        const double length = norm(body.speed);
        const bool freed = backOut(body, length);
        if (!freed) {
            if (std::isfinite(length)) {
                body.position = add(body.position, scale(body.speed, -1.0));
            }
            body.speed = vector(0, 0);
        } else if (bounce) {
            landed = landing(body, length, contactPoint);
        }
    } else if (outOfMap) {
        landed = true;
        leaveMap(body);
    }
    const bool settlesOnLanding =
        body.kind() == TBodyKind::BodyTumbok || body.kind() == TBodyKind::BodyExplosif;
    return settlesOnLanding ? landed : landed || contact;
}
