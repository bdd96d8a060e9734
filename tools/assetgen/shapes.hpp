// Shapes as signed distance functions (negative inside, in pixels) with a bounding box,
// so edges can be anti-aliased by coverage and outlines are just a distance band.
#pragma once

#include <functional>
#include <vector>

struct TPoint {
    float x = 0.0F;
    float y = 0.0F;
};

struct TBounds {
    float x0 = 0.0F;
    float y0 = 0.0F;
    float x1 = 0.0F;
    float y1 = 0.0F;
};

struct TShape {
    std::function<float(TPoint)> distance;
    TBounds bounds;
};

// Distance from p to the segment a-b.
float segmentDistance(TPoint p, TPoint a, TPoint b);

TShape circle(TPoint centre, float radius);
TShape ellipse(TPoint centre, float rx, float ry);
TShape roundedBox(TBounds box, float radius);
TShape capsule(TPoint a, TPoint b, float radius);
TShape polygon(std::vector<TPoint> points);
// A star with the given number of points, pointing up.
TShape star(TPoint centre, int points, float outer, float inner);

TShape unite(const TShape& a, const TShape& b);
// A union that rounds the joint over about k pixels, so two blobs read as one body.
TShape smoothUnite(const TShape& a, const TShape& b, float k);
TShape subtract(const TShape& a, const TShape& b);
TShape intersect(const TShape& a, const TShape& b);
// Grows (positive) or shrinks the shape by the given distance.
TShape grown(const TShape& a, float amount);
