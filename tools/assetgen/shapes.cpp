#include "shapes.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
float length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

TBounds merge(const TBounds& a, const TBounds& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}
} // namespace

float segmentDistance(TPoint p, TPoint a, TPoint b) {
    const float vx = b.x - a.x;
    const float vy = b.y - a.y;
    const float wx = p.x - a.x;
    const float wy = p.y - a.y;
    const float len2 = vx * vx + vy * vy;
    const float t = len2 > 0.0F ? std::clamp((wx * vx + wy * vy) / len2, 0.0F, 1.0F) : 0.0F;
    return length(wx - vx * t, wy - vy * t);
}

TShape circle(TPoint c, float r) {
    return {[c, r](TPoint p) { return length(p.x - c.x, p.y - c.y) - r; },
            {c.x - r, c.y - r, c.x + r, c.y + r}};
}

TShape ellipse(TPoint c, float rx, float ry) {
    // A close approximation of the true distance, good enough for one-pixel edges.
    return {[c, rx, ry](TPoint p) {
                const float x = p.x - c.x;
                const float y = p.y - c.y;
                const float k0 = length(x / rx, y / ry);
                const float k1 = length(x / (rx * rx), y / (ry * ry));
                if (k1 <= 1e-6F) {
                    return -std::min(rx, ry);
                }
                return k0 * (k0 - 1.0F) / k1;
            },
            {c.x - rx, c.y - ry, c.x + rx, c.y + ry}};
}

TShape roundedBox(TBounds box, float radius) {
    const float cx = (box.x0 + box.x1) * 0.5F;
    const float cy = (box.y0 + box.y1) * 0.5F;
    const float hx = (box.x1 - box.x0) * 0.5F - radius;
    const float hy = (box.y1 - box.y0) * 0.5F - radius;
    return {[=](TPoint p) {
                const float qx = std::abs(p.x - cx) - hx;
                const float qy = std::abs(p.y - cy) - hy;
                return length(std::max(qx, 0.0F), std::max(qy, 0.0F)) + std::min(std::max(qx, qy), 0.0F) -
                       radius;
            },
            box};
}

TShape capsule(TPoint a, TPoint b, float r) {
    return {[a, b, r](TPoint p) { return segmentDistance(p, a, b) - r; },
            {std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r}};
}

TShape polygon(std::vector<TPoint> v) {
    TBounds bounds{v[0].x, v[0].y, v[0].x, v[0].y};
    for (const TPoint& q : v) {
        bounds = merge(bounds, {q.x, q.y, q.x, q.y});
    }
    return {[v = std::move(v)](TPoint p) {
                float d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
                float s = 1.0F;
                for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
                    const float ex = v[j].x - v[i].x;
                    const float ey = v[j].y - v[i].y;
                    const float wx = p.x - v[i].x;
                    const float wy = p.y - v[i].y;
                    const float h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0F, 1.0F);
                    const float bx = wx - ex * h;
                    const float by = wy - ey * h;
                    d = std::min(d, bx * bx + by * by);
                    const bool c1 = p.y >= v[i].y;
                    const bool c2 = p.y < v[j].y;
                    const bool c3 = ex * wy > ey * wx;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) {
                        s = -s;
                    }
                }
                return s * std::sqrt(d);
            },
            bounds};
}

TShape star(TPoint c, int points, float outer, float inner) {
    std::vector<TPoint> v;
    for (int i = 0; i < points * 2; ++i) {
        const float angle = static_cast<float>(std::numbers::pi) * (static_cast<float>(i) / points - 0.5F);
        const float r = i % 2 == 0 ? outer : inner;
        v.push_back({c.x + r * std::cos(angle), c.y + r * std::sin(angle)});
    }
    return polygon(std::move(v));
}

TShape unite(const TShape& a, const TShape& b) {
    return {[da = a.distance, db = b.distance](TPoint p) { return std::min(da(p), db(p)); },
            merge(a.bounds, b.bounds)};
}

TShape smoothUnite(const TShape& a, const TShape& b, float k) {
    return {[da = a.distance, db = b.distance, k](TPoint p) {
                const float x = da(p);
                const float y = db(p);
                const float h = std::clamp(0.5F + 0.5F * (y - x) / k, 0.0F, 1.0F);
                return y + (x - y) * h - k * h * (1.0F - h);
            },
            merge(a.bounds, b.bounds)};
}

TShape subtract(const TShape& a, const TShape& b) {
    return {[da = a.distance, db = b.distance](TPoint p) { return std::max(da(p), -db(p)); }, a.bounds};
}

TShape intersect(const TShape& a, const TShape& b) {
    return {[da = a.distance, db = b.distance](TPoint p) { return std::max(da(p), db(p)); }, a.bounds};
}

TShape grown(const TShape& a, float amount) {
    return {[da = a.distance, amount](TPoint p) { return da(p) - amount; },
            {a.bounds.x0 - amount, a.bounds.y0 - amount, a.bounds.x1 + amount, a.bounds.y1 + amount}};
}
