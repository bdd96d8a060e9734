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

// Outline, three tones.
void drawToned(TImage& image, const TShape& shape, const TTone& tone);
// The same with a position-dependent base colour (stripes, emblems inside the tones).
void drawTonedWith(TImage& image, const TShape& shape, const TTone& tone, const TPaint& base);

// The shape's outline band only (for strokes over other paint).
void strokeShape(TImage& image, const TShape& shape, const TColour& colour, float width);

// Three tones from a light value, for surfaces drawn without an outline (terrain textures).
TColour toneForLight(const TColour& base, float light);
