#include "physics/u_data_explosion.hpp"

#include "resources/u_numbers.hpp"
#include "resources/u_random.hpp"

#include <cmath>
#include <numbers>

namespace {

constexpr int angleSteps = 1000;

int ringRadius(int ring) {
    int radius = TExplosion::baseRadius / (ring - ring / 2);
    if (ring >= 2) {
        // 75 % up to just under 100 % of the ring's base radius.
        radius = roundHalfEven((Random(1000) * 25.0 / 1000.0 + 75.0) * radius / 100.0);
    }
    return radius;
}

TExplosionNode makeNode(int cx, int cy, int ring) {
    const double theta = Random(angleSteps) * 2.0 * std::numbers::pi / angleSteps;
    const int dist = (Random(TExplosion::offsetRange) * ring) / 3;
    TExplosionNode node;
    node.x = cx + roundHalfEven(dist * std::cos(theta));
    node.y = cy + roundHalfEven(dist * std::sin(theta));
    node.radius = ringRadius(ring);
    node.age = -1 - 2 * ring;
    return node;
}

} // namespace

TExplosion::TExplosion(int cx, int cy) {
    int count = 1;
    for (int ring = 1; ring <= rings; ++ring, count *= 3) {
        for (int i = 0; i < count; ++i) {
            nodes_.push_back(makeNode(cx, cy, ring));
        }
    }
}

bool TExplosion::advance(TCursor& cursor) {
    if (!cursor.started_) {
        cursor.at_ = nodes_.begin();
        cursor.started_ = true;
    } else if (cursor.at_ != nodes_.end()) {
        ++cursor.at_;
    }
    if (cursor.at_ == nodes_.end()) {
        return false;
    }
    if (++cursor.at_->age >= removalAge) {
        cursor.at_ = nodes_.erase(cursor.at_);
    }
    return cursor.at_ != nodes_.end();
}
