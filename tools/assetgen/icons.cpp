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

// Most symbols are drawn on a grid 100 units across, centred on the symbol's point.
TGrid iconGrid(float cx, float cy, float size) {
    return {cx, cy, size / 100.0F};
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
    const TGrid k = iconGrid(cx, cy, size);
    const TShape heads = unite(ellipse(k.at(-22.0F, 28.0F), k.len(15.0F), k.len(11.0F)),
                               ellipse(k.at(22.0F, 18.0F), k.len(15.0F), k.len(11.0F)));
    const TShape stems = unite(roundedBox(k.box(-12.0F, -34.0F, -5.0F, 28.0F), k.len(2.0F)),
                               roundedBox(k.box(32.0F, -44.0F, 39.0F, 18.0F), k.len(2.0F)));
    const TShape beam =
        polygon({k.at(-12.0F, -34.0F), k.at(39.0F, -44.0F), k.at(39.0F, -30.0F), k.at(-12.0F, -20.0F)});
    drawToned(image, unite(heads, unite(stems, beam)), {palette::hazard, lineFor(size)});
}

void drawSpeaker(TImage& image, float cx, float cy, float size) {
    const TGrid k = iconGrid(cx, cy, size);
    const float line = lineFor(size);
    drawToned(image,
              polygon({k.at(-40.0F, -14.0F), k.at(-20.0F, -14.0F), k.at(4.0F, -36.0F), k.at(4.0F, 36.0F),
                       k.at(-20.0F, 14.0F), k.at(-40.0F, 14.0F)}),
              {palette::metal, line});
    for (const float r : {18.0F, 32.0F}) {
        const TShape arc =
            intersect(subtract(circle(k.at(4.0F, 0.0F), k.len(r + 6)), circle(k.at(4.0F, 0.0F), k.len(r))),
                      roundedBox(k.box(12.0F, -50.0F, 60.0F, 50.0F), 0.0F));
        drawToned(image, arc, {palette::hazard, line});
    }
}

void drawScreenCorners(TImage& image, float cx, float cy, float size) {
    const TGrid k = iconGrid(cx, cy, size);
    const float s = k.scale;
    const float line = lineFor(size);
    drawToned(image, roundedBox(k.box(-42.0F, -32.0F, 42.0F, 26.0F), k.len(6.0F)), {palette::metal, line});
    drawToned(image, roundedBox(k.box(-34.0F, -24.0F, 34.0F, 18.0F), k.len(3.0F)), {palette::sky, line});
    drawToned(image, roundedBox(k.box(-8.0F, 26.0F, 8.0F, 36.0F), k.len(1.0F)), {palette::metal, line});
    drawToned(image, roundedBox(k.box(-24.0F, 34.0F, 24.0F, 42.0F), k.len(3.0F)), {palette::metal, line});
    // Arrows to the four corners: the picture fills the whole screen.
    for (const auto& [dx, dy] :
         {std::pair{-1.0F, -1.0F}, std::pair{1.0F, -1.0F}, std::pair{-1.0F, 1.0F}, std::pair{1.0F, 1.0F}}) {
        const TPoint tip{cx + dx * 30 * s, cy - 3 * s + dy * 18 * s};
        fillShape(image, polygon({tip, {tip.x - dx * 13 * s, tip.y}, {tip.x, tip.y - dy * 10 * s}}),
                  iconWhite);
    }
}

void drawMouse(TImage& image, float cx, float cy, float size) {
    const TGrid k = iconGrid(cx, cy, size);
    const float s = k.scale;
    const float line = lineFor(size);
    drawToned(image, roundedBox(k.box(-18.0F, -30.0F, 18.0F, 32.0F), k.len(17.0F)), {iconWhite, line});
    fillShape(image, roundedBox(k.box(-1.0F, -30.0F, 1.0F, -6.0F), 0.0F), palette::outline);
    drawToned(image, roundedBox(k.box(-4.0F, -24.0F, 4.0F, -12.0F), k.len(3.0F)),
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
    const TGrid k = iconGrid(cx, cy, size);
    const float line = lineFor(size) * 1.5F;
    drawToned(image, roundedBox(k.box(-30.0F, -44.0F, 22.0F, 44.0F), k.len(4.0F)),
              {hexColour(0x3a3550), line});
    const TShape door =
        polygon({k.at(-24.0F, -38.0F), k.at(4.0F, -30.0F), k.at(4.0F, 46.0F), k.at(-24.0F, 38.0F)});
    drawToned(image, door, {palette::wood, line});
    drawToned(image, circle(k.at(-2.0F, 4.0F), k.len(3.0F)), {palette::hazard, line});
    const TShape arrow =
        polygon({k.at(44.0F, 0.0F), k.at(24.0F, -18.0F), k.at(24.0F, -8.0F), k.at(8.0F, -8.0F),
                 k.at(8.0F, 8.0F), k.at(24.0F, 8.0F), k.at(24.0F, 18.0F)});
    drawToned(image, arrow, {palette::iconAccents[0], line});
}

void drawCheck(TImage& image, float cx, float cy, float size) {
    const TGrid k = iconGrid(cx, cy, size);
    const TShape tick = unite(capsule(k.at(-30.0F, 2.0F), k.at(-8.0F, 26.0F), k.len(10.0F)),
                              capsule(k.at(-8.0F, 26.0F), k.at(32.0F, -26.0F), k.len(10.0F)));
    drawToned(image, tick, {iconWhite, lineFor(size) * 1.5F});
}

void drawCross(TImage& image, float cx, float cy, float size, const TColour& colour) {
    const TGrid k = iconGrid(cx, cy, size);
    const TShape cross = unite(capsule(k.at(-32.0F, -32.0F), k.at(32.0F, 32.0F), k.len(10.0F)),
                               capsule(k.at(-32.0F, 32.0F), k.at(32.0F, -32.0F), k.len(10.0F)));
    drawToned(image, cross, {colour, std::max(1.0F, size / 32.0F)});
}

void drawTriangle(TImage& image, float cx, float cy, float size, bool up) {
    const float h = size * 0.42F * (up ? -1.0F : 1.0F);
    const TShape tri =
        polygon({{cx, cy + h}, {cx + size * 0.5F, cy - h * 0.6F}, {cx - size * 0.5F, cy - h * 0.6F}});
    drawToned(image, tri, {iconWhite, 1.0F, 1.5F, 1.0F});
}

void drawBackArrow(TImage& image, float cx, float cy, float size) {
    const TGrid k = iconGrid(cx, cy, size);
    const TShape arrow =
        polygon({k.at(-40.0F, 0.0F), k.at(-5.0F, -34.0F), k.at(-5.0F, -14.0F), k.at(38.0F, -14.0F),
                 k.at(38.0F, 14.0F), k.at(-5.0F, 14.0F), k.at(-5.0F, 34.0F)});
    drawToned(image, arrow, {iconWhite, 1.0F, 1.5F, 1.0F});
}
