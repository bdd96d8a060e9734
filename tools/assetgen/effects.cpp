#include "effects.hpp"

#include "noise.hpp"
#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <cmath>
#include <numbers>

namespace {
constexpr float pi = static_cast<float>(std::numbers::pi);
constexpr int effectFrameCount = 6;
constexpr int explosionFrameSize = 64;
constexpr int smokeFrameSize = 16;

// Ragged rim: the radius wobbles with noise around the circle, seamlessly.
float rimRadius(float angle, float radius, int frame) {
    const float u = (angle / (2.0F * pi) + 0.5F) * 12.0F;
    const float a = valueNoise1(u, 71U + static_cast<std::uint32_t>(frame));
    const float b = valueNoise1(u - 12.0F, 71U + static_cast<std::uint32_t>(frame));
    const float w = u / 12.0F;
    const float n = a * (1.0F - w) + b * w;
    return radius * (0.84F + 0.3F * n);
}

TColour fireColour(float q, float cooling) {
    // Banded like the rest of the style: core, middle and rim, each softly joined.
    const float coreEdge = 0.42F - 0.3F * cooling;
    const float midEdge = 0.72F - 0.25F * cooling;
    TColour c = palette::fireCore;
    c = mix(c, palette::fireMid, clamp01((q - coreEdge) * 12.0F + 0.5F));
    c = mix(c, palette::fireRim, clamp01((q - midEdge) * 12.0F + 0.5F));
    return mix(c, scaled(palette::fireRim, 0.8F), clamp01((q - 0.93F) * 14.0F));
}

void drawSmokePuffs(TImage& image, float centre, float radius, int count, float opacity, std::uint64_t seed) {
    TImage layer(image.width(), image.height());
    TRng rng(seed);
    for (int i = 0; i < count; ++i) {
        const float angle =
            2.0F * pi * (static_cast<float>(i) + rng.range(-0.2F, 0.2F)) / static_cast<float>(count);
        const float r = radius * rng.range(0.28F, 0.4F);
        const float d = radius * rng.range(0.55F, 0.78F);
        drawToned(layer, circle({centre + d * std::cos(angle), centre + d * std::sin(angle)}, r),
                  {palette::smoke, 1.0F});
    }
    image.draw(layer, 0, 0, opacity);
}

TImage explosionFrame(int frame, int size) {
    TImage image(size, size);
    const float t = static_cast<float>(frame) / (effectFrameCount - 1);
    const float centre = static_cast<float>(size) * 0.5F;
    const float radius = static_cast<float>(size) * (0.24F + 0.24F * std::sqrt(t));
    if (frame >= 3) {
        drawSmokePuffs(image, centre, radius * 1.05F, 7 + frame, frame == 5 ? 0.75F : 0.95F,
                       900U + static_cast<std::uint64_t>(frame));
    }
    const float cooling = clamp01((t - 0.4F) / 0.6F);
    const float fireShare = frame < 4 ? 1.0F : (frame == 4 ? 0.7F : 0.4F);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dx = static_cast<float>(x) + 0.5F - centre;
            const float dy = static_cast<float>(y) + 0.5F - centre;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float rim = rimRadius(std::atan2(dy, dx), radius * fireShare, frame);
            const float cover = clamp01(rim - d + 0.5F);
            if (cover > 0.0F) {
                image.blend(x, y, fireColour(d / rim, cooling), cover);
            }
        }
    }
    // Sparks flying out in the first frames.
    if (frame <= 2) {
        TRng rng(400U + static_cast<std::uint64_t>(frame));
        for (int i = 0; i < 9; ++i) {
            const float angle = rng.range(0.0F, 2.0F * pi);
            const float d = radius * rng.range(1.05F, 1.35F);
            fillShape(
                image,
                circle({centre + d * std::cos(angle), centre + d * std::sin(angle)}, rng.range(1.0F, 1.8F)),
                palette::fireMid);
        }
    }
    return image;
}

TImage smokeFrame(int frame, int size) {
    TImage image(size, size);
    const float t = static_cast<float>(frame) / (effectFrameCount - 1);
    const float centre = static_cast<float>(size) * 0.5F;
    const float radius = static_cast<float>(size) * (0.2F + 0.24F * t);
    const TColour grey = hexColour(0xc9c5d2);
    TImage layer(size, size);
    const TShape puff = unite(unite(circle({centre - radius * 0.45F, centre + radius * 0.15F}, radius * 0.7F),
                                    circle({centre + radius * 0.4F, centre + radius * 0.2F}, radius * 0.62F)),
                              circle({centre, centre - radius * 0.3F}, radius * 0.72F));
    drawTonedWith(layer, puff, {grey, 0.0F, radius * 0.45F, radius * 0.3F}, [&](TPoint) { return grey; });
    strokeShape(layer, puff, withAlpha(palette::smoke, 0.6F), 0.8F);
    image.draw(layer, 0, 0, 0.85F - 0.6F * t);
    return image;
}
} // namespace

void addEffectPictures(TPictureSet& set) {
    TImage explosions(explosionFrameSize, explosionFrameSize * effectFrameCount);
    TImage smokes(smokeFrameSize, smokeFrameSize * effectFrameCount);
    for (int i = 0; i < effectFrameCount; ++i) {
        explosions.draw(explosionFrame(i, explosionFrameSize), 0, i * explosionFrameSize);
        smokes.draw(smokeFrame(i, smokeFrameSize), 0, i * smokeFrameSize);
    }
    set.push_back({"game-images", dataFile::explosionFrames, explosions, TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::smokeFrames, smokes, TPngKind::PngAlpha});
}
