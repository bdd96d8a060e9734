#include "raster.hpp"

#include <algorithm>
#include <cmath>

namespace {
template <typename PixelFunction>
void forEachPixel(TImage& image, const TBounds& b, float margin, PixelFunction f) {
    const int x0 = std::max(0, static_cast<int>(std::floor(b.x0 - margin)));
    const int y0 = std::max(image.top(), static_cast<int>(std::floor(b.y0 - margin)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(b.x1 + margin)));
    const int y1 = std::min(image.bottom() - 1, static_cast<int>(std::ceil(b.y1 + margin)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            f(x, y, TPoint{static_cast<float>(x) + 0.5F, static_cast<float>(y) + 0.5F});
        }
    }
}

float coverage(float distance) {
    return clamp01(0.5F - distance);
}

float autoDepth(const TShape& shape, float share, float lo, float hi) {
    const float size = std::min(shape.bounds.x1 - shape.bounds.x0, shape.bounds.y1 - shape.bounds.y0);
    return std::clamp(size * share, lo, hi);
}
} // namespace

void fillShape(TImage& image, const TShape& shape, const TColour& colour) {
    forEachPixel(image, shape.bounds, 1.0F,
                 [&](int x, int y, TPoint p) { image.blend(x, y, colour, coverage(shape.distance(p))); });
}

void paintShape(TImage& image, const TShape& shape, const TPaint& paint) {
    forEachPixel(image, shape.bounds, 1.0F, [&](int x, int y, TPoint p) {
        const float c = coverage(shape.distance(p));
        if (c > 0.0F) {
            image.blend(x, y, paint(p), c);
        }
    });
}

void strokeShape(TImage& image, const TShape& shape, const TColour& colour, float width) {
    forEachPixel(image, shape.bounds, width + 1.0F, [&](int x, int y, TPoint p) {
        const float d = shape.distance(p);
        image.blend(x, y, colour, std::min(coverage(d), coverage(-d - width)));
    });
}

void drawTonedWith(TImage& image, const TShape& shape, const TTone& tone, const TPaint& base) {
    const float shade = tone.shadeDepth > 0.0F ? tone.shadeDepth : autoDepth(shape, 0.2F, 1.2F, 10.0F);
    const float light =
        tone.highlightDepth > 0.0F ? tone.highlightDepth : autoDepth(shape, 0.14F, 1.0F, 7.0F);
    forEachPixel(image, shape.bounds, 1.0F, [&](int x, int y, TPoint p) {
        const float d = shape.distance(p);
        const float outer = coverage(d);
        if (outer <= 0.0F) {
            return;
        }
        const float inner = coverage(d + tone.outline);
        if (tone.outline > 0.0F) {
            image.blend(x, y, palette::outline, outer);
        }
        if (inner <= 0.0F) {
            return;
        }
        const TColour b = base(p);
        // Inside, near the lower-right rim: the point moved further down-right has left the shape.
        const float shadeAmount = clamp01(shape.distance({p.x + shade, p.y + shade}) + 0.5F);
        const float lightAmount =
            clamp01(shape.distance({p.x - light, p.y - light}) + 0.5F) * (1.0F - shadeAmount);
        const TColour c = mix(mix(b, shadeOf(b), shadeAmount), highlightOf(b), lightAmount);
        image.blend(x, y, c, tone.outline > 0.0F ? inner : outer);
    });
}

void drawToned(TImage& image, const TShape& shape, const TTone& tone) {
    drawTonedWith(image, shape, tone, [&](TPoint) { return tone.base; });
}

TColour toneForLight(const TColour& base, float light) {
    if (light < 0.0F) {
        return mix(base, shadeOf(base), clamp01(-light));
    }
    return mix(base, highlightOf(base), clamp01(light));
}
