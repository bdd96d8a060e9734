// Painting shapes into pictures with per-pixel coverage, in the game's cartoon manner:
// a dark outline, then base, shade (lower right) and highlight (upper left).
#pragma once

#include "image.hpp"
#include "shapes.hpp"

#include <functional>

using TPaint = std::function<TColour(TPoint)>;

// Fills the shape with one colour, anti-aliased.
void fillShape(TImage& image, const TShape& shape, const TColour& colour);
// Fills the shape with a colour that depends on the position (gradients, stripes).
void paintShape(TImage& image, const TShape& shape, const TPaint& paint);

struct TTone {
    TColour base;
    float outline = 1.0F;
    // How far the shade and the highlight reach in from the rim; 0 picks them from the shape's size.
    float shadeDepth = 0.0F;
    float highlightDepth = 0.0F;
};

// A picture's design grid laid onto pixels: an origin, a scale, and the outline that scale wants.
struct TGrid {
    float x = 0.0F;
    float y = 0.0F;
    float scale = 1.0F;
    TPoint at(float u, float v) const { return {x + u * scale, y + v * scale}; }
    TBounds box(float u0, float v0, float u1, float v1) const {
        const TPoint from = at(u0, v0);
        const TPoint to = at(u1, v1);
        return {from.x, from.y, to.x, to.y};
    }
    float len(float d) const { return d * scale; }
    float outline() const { return std::max(1.0F, 0.55F * scale); }
    TTone tone(const TColour& base) const { return {base, outline()}; }
};

// Outline, three tones.
void drawToned(TImage& image, const TShape& shape, const TTone& tone);
// The same with a position-dependent base colour (stripes, emblems inside the tones).
void drawTonedWith(TImage& image, const TShape& shape, const TTone& tone, const TPaint& base);

// The shape's outline band only (for strokes over other paint).
void strokeShape(TImage& image, const TShape& shape, const TColour& colour, float width);

// Three tones from a light value, for surfaces drawn without an outline (terrain textures).
TColour toneForLight(const TColour& base, float light);
