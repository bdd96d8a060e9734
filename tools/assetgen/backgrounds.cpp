#include "backgrounds.hpp"

#include "mask.hpp"
#include "noise.hpp"
#include "raster.hpp"
#include "style_table.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>
#include <vector>

namespace {
struct TSkyPalette {
    TColour zenith;
    TColour horizon;
    TColour nearHills;
    TColour middleHills;
    TColour farHills;
    TColour cloud;
    TColour light; // sun or moon
};

// Everything that makes a sky, in the order of TSkyKind: its name, its shipped picture and its colours.
struct TSkyStyle {
    const char* name;
    const char* shippedFile;
    std::uint32_t shippedSeed;
    TSkyPalette palette;
};

constexpr TSkyStyle skyStyles[] = {
    {"day", "back_day.png", 10U,
     TSkyPalette{palette::sky, palette::horizon, hexColour(0x4f9a47), hexColour(0x79ad8c),
                 hexColour(0xa3c4d8), palette::white, hexColour(0xfff3b0)}},
    {"sunset", "back_sunset.png", 20U,
     TSkyPalette{hexColour(0x4b4a9a), hexColour(0xffb36b), hexColour(0x5a3d6e), hexColour(0x8a5a7e),
                 hexColour(0xc07a86), hexColour(0xffd9c2), hexColour(0xfff0a0)}},
    {"night", "back_night.png", 30U,
     TSkyPalette{hexColour(0x0e1030), hexColour(0x34407a), hexColour(0x1f2a4a), hexColour(0x2c3a66),
                 hexColour(0x3b4b80), hexColour(0x5a6698), hexColour(0xf4f8ff)}},
};
static_assert(std::size(skyStyles) == static_cast<std::size_t>(TSkyKind::Night) + 1, "a row for every style");

void paintGradient(TImage& image, const TSkyPalette& p) {
    for (int y = 0; y < image.height(); ++y) {
        const float t = std::pow(static_cast<float>(y) / static_cast<float>(image.height() - 1), 0.8F);
        const TColour c = mix(p.zenith, p.horizon, t);
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = c;
        }
    }
}

void paintStars(TImage& image, std::uint32_t seed) {
    TRng rng(seed);
    const int count = image.width() * image.height() / 1500;
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(0.0F, static_cast<float>(image.width()));
        const float y = rng.range(0.0F, static_cast<float>(image.height()) * 0.7F);
        const float r = rng.range(0.5F, 1.3F);
        fillShape(image, circle({x, y}, r), withAlpha(palette::white, rng.range(0.4F, 1.0F)));
    }
}

void paintLight(TImage& image, TSkyKind kind, const TSkyPalette& p) {
    const float cx = static_cast<float>(image.width()) * (kind == TSkyKind::Sunset ? 0.62F : 0.78F);
    const float cy = static_cast<float>(image.height()) * (kind == TSkyKind::Sunset ? 0.6F : 0.16F);
    const float r = kind == TSkyKind::Night ? 38.0F : 54.0F;
    // A soft glow first, then the disc with its three tones.
    for (int k = 6; k >= 1; --k) {
        fillShape(image, circle({cx, cy}, r * (1.0F + 0.35F * static_cast<float>(k))),
                  withAlpha(p.light, 0.05F));
    }
    drawToned(image, circle({cx, cy}, r), {p.light, 0.0F, r * 0.25F, r * 0.2F});
    if (kind == TSkyKind::Night) {
        for (const auto& [dx, dy, cr] : {std::tuple{-12.0F, -8.0F, 7.0F}, std::tuple{10.0F, 6.0F, 9.0F},
                                         std::tuple{-4.0F, 16.0F, 5.0F}}) {
            fillShape(image, circle({cx + dx, cy + dy}, cr), withAlpha(palette::snowShade, 0.6F));
        }
    }
}

// Soft clouds: clusters of round puffs, blurred, with a shaded underside.
void paintClouds(TImage& image, const TSkyPalette& p, std::uint32_t seed) {
    const int scale = 2;
    TMask body(image.width() / scale, image.height() / scale);
    TMask belly(body.width(), body.height());
    TRng rng(seed);
    const int count = image.width() / 150;
    for (int i = 0; i < count; ++i) {
        const float cx = rng.range(0.0F, static_cast<float>(body.width()));
        const float cy = rng.range(0.05F, 0.45F) * static_cast<float>(body.height());
        const int puffs = 4 + rng.below(4);
        for (int k = 0; k < puffs; ++k) {
            const float px = cx + rng.range(-56.0F, 56.0F);
            const float py = cy + rng.range(-10.0F, 6.0F);
            const float r = rng.range(12.0F, 26.0F);
            for (int y = static_cast<int>(py - r); y <= static_cast<int>(py + r); ++y) {
                for (int x = static_cast<int>(px - r); x <= static_cast<int>(px + r); ++x) {
                    if (x < 0 || y < 0 || x >= body.width() || y >= body.height()) {
                        continue;
                    }
                    const float d = std::hypot(static_cast<float>(x) - px, static_cast<float>(y) - py);
                    const float c = clamp01(r - d);
                    body.at(x, y) = std::max(body.at(x, y), c);
                    if (static_cast<float>(y) > cy) {
                        belly.at(x, y) =
                            std::max(belly.at(x, y), c * clamp01((static_cast<float>(y) - cy) / 12.0F));
                    }
                }
            }
        }
    }
    const TMask soft = body.blurred(1);
    const TMask shade = belly.blurred(3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const float c =
                soft.at(std::min(x / scale, soft.width() - 1), std::min(y / scale, soft.height() - 1));
            if (c > 0.0F) {
                const float s =
                    shade.at(std::min(x / scale, shade.width() - 1), std::min(y / scale, shade.height() - 1));
                image.blend(x, y, mix(p.cloud, mix(p.cloud, p.zenith, 0.35F), s), 0.9F * c);
            }
        }
    }
}

// A layer of far hills: a height line, lit on the slopes that face the upper left.
void paintHills(TImage& image, const TColour& colour, float baseline, float amplitude, float wavelength,
                std::uint32_t seed) {
    const int w = image.width();
    std::vector<float> line(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) {
        line[static_cast<std::size_t>(x)] =
            baseline - amplitude * fractalNoise1(static_cast<float>(x) / wavelength, 3, seed);
    }
    for (int x = 0; x < w; ++x) {
        const float top = line[static_cast<std::size_t>(x)];
        // Slopes rising to the right face the light; the slope is taken over a wide step so it is smooth.
        const float slope = (line[static_cast<std::size_t>(std::min(x + 10, w - 1))] -
                             line[static_cast<std::size_t>(std::max(x - 10, 0))]) /
                            20.0F;
        const float light = std::clamp(slope * 1.6F, -1.0F, 1.0F) * 0.6F;
        for (int y = std::max(0, static_cast<int>(top)); y < image.height(); ++y) {
            const float cover = clamp01(static_cast<float>(y) + 1.0F - top);
            const float below = static_cast<float>(y) - top;
            // The slope light belongs to the ridge; further down the layer settles into its base and shade.
            const TColour c = toneForLight(colour, light * clamp01(1.0F - below / 60.0F));
            image.blend(x, y, mix(c, shadeOf(colour), clamp01(below / 220.0F) * 0.6F), cover);
        }
    }
}
} // namespace

std::optional<TSkyKind> skyKindNamed(const std::string& name) {
    return styleNamed<TSkyKind>(skyStyles, name);
}

std::string skyStyleChoices() {
    return styleChoices(skyStyles);
}

TImage skyPicture(TSkyKind kind, int width, int height, std::uint32_t seed) {
    const TSkyPalette& p = skyStyles[static_cast<std::size_t>(kind)].palette;
    TImage image(width, height);
    paintGradient(image, p);
    if (kind == TSkyKind::Night) {
        paintStars(image, seed + 1U);
    }
    paintLight(image, kind, p);
    paintClouds(image, p, seed + 2U);
    const auto h = static_cast<float>(height);
    // Far to near: each layer fades toward the horizon colour with distance.
    paintHills(image, mix(p.farHills, p.horizon, 0.35F), h * 0.62F, h * 0.2F, 260.0F, seed + 3U);
    paintHills(image, mix(p.middleHills, p.horizon, 0.15F), h * 0.74F, h * 0.18F, 200.0F, seed + 4U);
    paintHills(image, p.nearHills, h * 0.86F, h * 0.16F, 150.0F, seed + 5U);
    return image;
}

void addBackgroundPictures(TPictureSet& set) {
    for (std::size_t kind = 0; kind < std::size(skyStyles); ++kind) {
        const TSkyStyle& style = skyStyles[kind];
        set.push_back({"maps", style.shippedFile,
                       skyPicture(static_cast<TSkyKind>(kind), 1400, 900, style.shippedSeed),
                       TPngKind::PngOpaque});
    }
}
