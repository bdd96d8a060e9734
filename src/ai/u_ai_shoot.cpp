#include "ai/u_ai_shoot.hpp"

#include "model/u_data_teams.hpp"
#include "physics/u_physics_data.hpp"
#include "resources/u_numbers.hpp"

#include <cmath>
#include <numbers>

namespace {

TVector centreOf(const TObject& body) {
    return add(body.position, vector(body.width / 2.0, body.height / 2.0));
}

} // namespace

TAiShoot::TAiShoot(TCallback& callback, SDL_Surface* terrain, const TTeamsManager& teams)
    : callback(callback), terrain(terrain), teams(teams) {}

void TAiShoot::step() {
    if (const auto target = findTarget()) {
        callback.fire(target->power, TWeapon::WeaponBazooka, target->angle);
    }
}

int aimAngle(TVector from, TVector to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    int angle = dx != 0.0 ? roundHalfEven(std::atan(-dy / dx) * 180.0 / std::numbers::pi) : 90;
    if (dx < 0.0) {
        angle += dy > 0.0 ? 180 : -180;
    }
    return angle;
}

bool TAiShoot::isVisible(const TTumbok& from, const TTumbok& to) const {
    const double d = distance(from.position, to.position);
    if (!(d < sightRange)) {
        return false;
    }
    const TVector step = normalize(add(centreOf(to), scale(centreOf(from), -1.0)));
    const TTerrainReader reader(terrain);
    TVector point = add(centreOf(from), step);
    for (int k = 1; k < d; ++k) {
        if (reader.solidAt(point)) {
            return false;
        }
        point = add(point, step);
    }
    return true;
}

std::optional<TAiTarget> TAiShoot::findTarget() const {
    const TTeam* myTeam = teams.currentTeam();
    if (myTeam == nullptr) {
        return std::nullopt;
    }
    const TTumbok* me = myTeam->tumbokAt(myTeam->current);
    if (me == nullptr) {
        return std::nullopt;
    }
    for (const TTeam& team : teams.teams) {
        for (const TTumbok& candidate : team.tumboks) {
            if (candidate.health > 0 && candidate.team != me->team && isVisible(*me, candidate)) {
                return TAiTarget{&candidate, shotPower, aimAngle(me->position, candidate.position)};
            }
        }
    }
    return std::nullopt;
}
