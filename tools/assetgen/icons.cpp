#include "icons.hpp"

#include "noise.hpp"
#include "raster.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {
constexpr float pi = static_cast<float>(std::numbers::pi);
constexpr TColour iconWhite = hexColour(0xf4f1ea);
constexpr TColour ocean = hexColour(0x3e7bfa);

float lineFor(float size) {
    return std::max(1.0F, size / 40.0F);
}
} // namespace

void drawGear(TImage& image, float cx, float cy, float size) {
    const float r = size * 0.5F;
    TShape gear = circle({cx, cy}, r * 0.72F);
    for (int i = 0; i < 8; ++i) {
        const float a = 2.0F * pi * static_cast<float>(i) / 8.0F;
        gear = unite(gear, capsule({cx + std::cos(a) * r * 0.6F, cy + std::sin(a) * r * 0.6F},
                                   {cx + std::cos(a) * r * 0.82F, cy + std::sin(a) * r * 0.82F}, r * 0.16F));
    }
    drawToned(image, subtract(gear, circle({cx, cy}, r * 0.3F)), {palette::metal, lineFor(size)});
}

void drawNote(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const TColour c = palette::hazard;
    const float line = lineFor(size);
    const TShape notes =
        unite(unite(ellipse({cx - 22 * s, cy + 28 * s}, 15 * s, 11 * s),
                    ellipse({cx + 22 * s, cy + 18 * s}, 15 * s, 11 * s)),
              unite(unite(roundedBox({cx - 12 * s, cy - 34 * s, cx - 5 * s, cy + 28 * s}, 2 * s),
                          roundedBox({cx + 32 * s, cy - 44 * s, cx + 39 * s, cy + 18 * s}, 2 * s)),
                    polygon({{cx - 12 * s, cy - 34 * s},
                             {cx + 39 * s, cy - 44 * s},
                             {cx + 39 * s, cy - 30 * s},
                             {cx - 12 * s, cy - 20 * s}})));
    drawToned(image, notes, {c, line});
}

void drawSpeaker(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const float line = lineFor(size);
    drawToned(image,
              polygon({{cx - 40 * s, cy - 14 * s},
                       {cx - 20 * s, cy - 14 * s},
                       {cx + 4 * s, cy - 36 * s},
                       {cx + 4 * s, cy + 36 * s},
                       {cx - 20 * s, cy + 14 * s},
                       {cx - 40 * s, cy + 14 * s}}),
              {palette::metal, line});
    for (const float r : {18.0F, 32.0F}) {
        const TShape arc =
            intersect(subtract(circle({cx + 4 * s, cy}, (r + 6) * s), circle({cx + 4 * s, cy}, r * s)),
                      roundedBox({cx + 12 * s, cy - 50 * s, cx + 60 * s, cy + 50 * s}, 0.0F));
        drawToned(image, arc, {palette::hazard, line});
    }
}

void drawScreenCorners(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const float line = lineFor(size);
    drawToned(image, roundedBox({cx - 42 * s, cy - 32 * s, cx + 42 * s, cy + 26 * s}, 6 * s),
              {palette::metal, line});
    drawToned(image, roundedBox({cx - 34 * s, cy - 24 * s, cx + 34 * s, cy + 18 * s}, 3 * s),
              {palette::sky, line});
    drawToned(image, roundedBox({cx - 8 * s, cy + 26 * s, cx + 8 * s, cy + 36 * s}, 1 * s),
              {palette::metal, line});
    drawToned(image, roundedBox({cx - 24 * s, cy + 34 * s, cx + 24 * s, cy + 42 * s}, 3 * s),
              {palette::metal, line});
    // Arrows to the four corners: the picture fills the whole screen.
    for (const auto& [dx, dy] :
         {std::pair{-1.0F, -1.0F}, std::pair{1.0F, -1.0F}, std::pair{-1.0F, 1.0F}, std::pair{1.0F, 1.0F}}) {
        const TPoint tip{cx + dx * 30 * s, cy - 3 * s + dy * 18 * s};
        fillShape(image, polygon({tip, {tip.x - dx * 13 * s, tip.y}, {tip.x, tip.y - dy * 10 * s}}),
                  iconWhite);
    }
}

void drawMouse(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const float line = lineFor(size);
    drawToned(image, roundedBox({cx - 18 * s, cy - 30 * s, cx + 18 * s, cy + 32 * s}, 17 * s),
              {iconWhite, line});
    fillShape(image, roundedBox({cx - 1 * s, cy - 30 * s, cx + 1 * s, cy - 6 * s}, 0.0F), palette::outline);
    drawToned(image, roundedBox({cx - 4 * s, cy - 24 * s, cx + 4 * s, cy - 12 * s}, 3 * s),
              {palette::iconAccents[0], line});
    for (const float dir : {-1.0F, 1.0F}) {
        const float x = cx + dir * 30 * s;
        drawToned(image, polygon({{x + dir * 16 * s, cy}, {x, cy - 12 * s}, {x, cy + 12 * s}}),
                  {palette::hazard, line});
    }
}

void drawGlobe(TImage& image, float cx, float cy, float size) {
    const float r = size * 0.42F;
    const float line = lineFor(size) * 1.5F;
    const TShape ball = circle({cx, cy}, r);
    drawTonedWith(image, ball, {ocean, line}, [&](TPoint p) {
        const float n = fractalNoise2(p.x / (r * 0.45F), p.y / (r * 0.45F), 3, 5U);
        return n > 0.55F ? palette::grass : ocean;
    });
    // Two tumbok-sized dots joined by an arc: a match between two machines.
    const TShape arc =
        intersect(subtract(circle({cx, cy + r * 0.9F}, r * 1.25F), circle({cx, cy + r * 0.9F}, r * 1.12F)),
                  roundedBox({cx - r * 1.2F, cy - r * 1.2F, cx + r * 1.2F, cy + r * 0.2F}, 0.0F));
    drawToned(image, arc, {palette::hazard, line});
    for (const float dir : {-1.0F, 1.0F}) {
        drawToned(image, circle({cx + dir * r * 0.82F, cy - r * 0.05F}, r * 0.16F),
                  {palette::iconAccents[dir < 0 ? 0 : 1], line});
    }
}

void drawDoor(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const float line = lineFor(size) * 1.5F;
    drawToned(image, roundedBox({cx - 30 * s, cy - 44 * s, cx + 22 * s, cy + 44 * s}, 4 * s),
              {hexColour(0x3a3550), line});
    const TShape door = polygon({{cx - 24 * s, cy - 38 * s},
                                 {cx + 4 * s, cy - 30 * s},
                                 {cx + 4 * s, cy + 46 * s},
                                 {cx - 24 * s, cy + 38 * s}});
    drawToned(image, door, {palette::wood, line});
    drawToned(image, circle({cx - 2 * s, cy + 4 * s}, 3 * s), {palette::hazard, line});
    drawToned(image,
              polygon({{cx + 44 * s, cy},
                       {cx + 24 * s, cy - 18 * s},
                       {cx + 24 * s, cy - 8 * s},
                       {cx + 8 * s, cy - 8 * s},
                       {cx + 8 * s, cy + 8 * s},
                       {cx + 24 * s, cy + 8 * s},
                       {cx + 24 * s, cy + 18 * s}}),
              {palette::iconAccents[0], line});
}

void drawCheck(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const TShape tick = unite(capsule({cx - 30 * s, cy + 2 * s}, {cx - 8 * s, cy + 26 * s}, 10 * s),
                              capsule({cx - 8 * s, cy + 26 * s}, {cx + 32 * s, cy - 26 * s}, 10 * s));
    drawToned(image, tick, {iconWhite, lineFor(size) * 1.5F});
}

void drawCross(TImage& image, float cx, float cy, float size, const TColour& colour) {
    const float s = size / 100.0F;
    const TShape cross = unite(capsule({cx - 32 * s, cy - 32 * s}, {cx + 32 * s, cy + 32 * s}, 10 * s),
                               capsule({cx - 32 * s, cy + 32 * s}, {cx + 32 * s, cy - 32 * s}, 10 * s));
    drawToned(image, cross, {colour, std::max(1.0F, size / 32.0F)});
}

void drawTriangle(TImage& image, float cx, float cy, float size, bool up) {
    const float h = size * 0.42F * (up ? -1.0F : 1.0F);
    const TShape tri =
        polygon({{cx, cy + h}, {cx + size * 0.5F, cy - h * 0.6F}, {cx - size * 0.5F, cy - h * 0.6F}});
    drawToned(image, tri, {iconWhite, 1.0F, 1.5F, 1.0F});
}

void drawBackArrow(TImage& image, float cx, float cy, float size) {
    const float s = size / 100.0F;
    const TShape arrow = polygon({{cx - 40 * s, cy},
                                  {cx - 5 * s, cy - 34 * s},
                                  {cx - 5 * s, cy - 14 * s},
                                  {cx + 38 * s, cy - 14 * s},
                                  {cx + 38 * s, cy + 14 * s},
                                  {cx - 5 * s, cy + 14 * s},
                                  {cx - 5 * s, cy + 34 * s}});
    drawToned(image, arrow, {iconWhite, 1.0F, 1.5F, 1.0F});
}
