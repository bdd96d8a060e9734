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

// Rows painted at a time: a band of the picture in float colours is all that is held, beside the clouds'
// masks at half size.
constexpr int bandHeight = 256;
constexpr int cloudScale = 2;

struct TStar {
    TPoint centre;
    float radius;
    float alpha;
};

std::vector<TStar> placeStars(int width, int height, std::uint32_t seed) {
    TRng rng(seed);
    const int count = width * height / 1500;
    std::vector<TStar> stars;
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(0.0F, static_cast<float>(width));
        const float y = rng.range(0.0F, static_cast<float>(height) * 0.7F);
        const float r = rng.range(0.5F, 1.3F);
        stars.push_back({{x, y}, r, rng.range(0.4F, 1.0F)});
    }
    return stars;
}

// The sun or the moon: a soft glow, the disc with its three tones, and the moon's craters.
struct TLightShape {
    TShape shape;
    TTone tone; // drawn toned when the tone's base is set, else filled with its colour
    TColour fill;
};

std::vector<TLightShape> lightShapes(int width, int height, TSkyKind kind, const TSkyPalette& p) {
    const float cx = static_cast<float>(width) * (kind == TSkyKind::Sunset ? 0.62F : 0.78F);
    const float cy = static_cast<float>(height) * (kind == TSkyKind::Sunset ? 0.6F : 0.16F);
    const float r = kind == TSkyKind::Night ? 38.0F : 54.0F;
    std::vector<TLightShape> shapes;
    for (int k = 6; k >= 1; --k) {
        shapes.push_back(
            {circle({cx, cy}, r * (1.0F + 0.35F * static_cast<float>(k))), {}, withAlpha(p.light, 0.05F)});
    }
    shapes.push_back({circle({cx, cy}, r), {p.light, 0.0F, r * 0.25F, r * 0.2F}, {}});
    if (kind == TSkyKind::Night) {
        for (const auto& [dx, dy, cr] : {std::tuple{-12.0F, -8.0F, 7.0F}, std::tuple{10.0F, 6.0F, 9.0F},
                                         std::tuple{-4.0F, 16.0F, 5.0F}}) {
            shapes.push_back({circle({cx + dx, cy + dy}, cr), {}, withAlpha(palette::snowShade, 0.6F)});
        }
    }
    return shapes;
}

// Soft clouds: clusters of round puffs, blurred, with a shaded underside; worked out at half size.
struct TCloudMasks {
    TMask soft;
    TMask shade;
};

TCloudMasks cloudMasks(int width, int height, std::uint32_t seed) {
    TMask body(width / cloudScale, height / cloudScale);
    TMask belly(body.width(), body.height());
    TRng rng(seed);
    const int count = width / 150;
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
    TCloudMasks masks;
    masks.soft = body.blurred(1);
    body = TMask();
    masks.shade = belly.blurred(3);
    return masks;
}

// A layer of far hills: a height line, lit on the slopes that face the upper left.
struct THillLayer {
    TColour colour;
    std::vector<float> top;   // per column
    std::vector<float> light; // per column
};

THillLayer hillLayer(int width, const TColour& colour, float baseline, float amplitude, float wavelength,
                     std::uint32_t seed) {
    const int w = width;
    THillLayer layer{colour, std::vector<float>(static_cast<std::size_t>(w)),
                     std::vector<float>(static_cast<std::size_t>(w))};
    std::vector<float>& line = layer.top;
    for (int x = 0; x < w; ++x) {
        line[static_cast<std::size_t>(x)] =
            baseline - amplitude * fractalNoise1(static_cast<float>(x) / wavelength, 3, seed);
    }
    for (int x = 0; x < w; ++x) {
        // Slopes rising to the right face the light; the slope is taken over a wide step so it is smooth.
        const float slope = (line[static_cast<std::size_t>(std::min(x + 10, w - 1))] -
                             line[static_cast<std::size_t>(std::max(x - 10, 0))]) /
                            20.0F;
        layer.light[static_cast<std::size_t>(x)] = std::clamp(slope * 1.6F, -1.0F, 1.0F) * 0.6F;
    }
    return layer;
}

// Paints a sky a band of rows at a time: gradient, stars, sun or moon, clouds, then the hills from far to
// near, each pixel in the same order as in a painting of the whole picture.
class TSkyPainter {
public:
    TSkyPainter(TSkyKind kind, int width, int height, std::uint32_t seed)
        : p_(skyStyles[static_cast<std::size_t>(kind)].palette), width_(width), height_(height),
          light_(lightShapes(width, height, kind, p_)), clouds_(cloudMasks(width, height, seed + 2U)) {
        if (kind == TSkyKind::Night) {
            stars_ = placeStars(width, height, seed + 1U);
        }
        const auto h = static_cast<float>(height);
        // Far to near: each layer fades toward the horizon colour with distance.
        hills_.push_back(
            hillLayer(width, mix(p_.farHills, p_.horizon, 0.35F), h * 0.62F, h * 0.2F, 260.0F, seed + 3U));
        hills_.push_back(hillLayer(width, mix(p_.middleHills, p_.horizon, 0.15F), h * 0.74F, h * 0.18F,
                                   200.0F, seed + 4U));
        hills_.push_back(hillLayer(width, p_.nearHills, h * 0.86F, h * 0.16F, 150.0F, seed + 5U));
    }

    void paint(const TRowSink& sink) const {
        for (int top = 0; top < height_; top += bandHeight) {
            TImage band = TImage::band(width_, top, std::min(bandHeight, height_ - top));
            paintGradient(band);
            paintStars(band);
            paintLight(band);
            paintClouds(band);
            for (const THillLayer& layer : hills_) {
                paintHills(band, layer);
            }
            for (int y = band.top(); y < band.bottom(); ++y) {
                sink(y, &band.at(0, y));
            }
        }
    }

private:
    void paintGradient(TImage& band) const {
        for (int y = band.top(); y < band.bottom(); ++y) {
            const float t = std::pow(static_cast<float>(y) / static_cast<float>(height_ - 1), 0.8F);
            const TColour c = mix(p_.zenith, p_.horizon, t);
            for (int x = 0; x < width_; ++x) {
                band.at(x, y) = c;
            }
        }
    }

    void paintStars(TImage& band) const {
        for (const TStar& star : stars_) {
            if (star.centre.y + star.radius + 2.0F >= static_cast<float>(band.top()) &&
                star.centre.y - star.radius - 2.0F < static_cast<float>(band.bottom())) {
                fillShape(band, circle(star.centre, star.radius), withAlpha(palette::white, star.alpha));
            }
        }
    }

    void paintLight(TImage& band) const {
        for (const TLightShape& light : light_) {
            if (light.tone.base.a > 0.0F) {
                drawToned(band, light.shape, light.tone);
            } else {
                fillShape(band, light.shape, light.fill);
            }
        }
    }

    void paintClouds(TImage& band) const {
        const TMask& soft = clouds_.soft;
        const TMask& shade = clouds_.shade;
        for (int y = band.top(); y < band.bottom(); ++y) {
            for (int x = 0; x < width_; ++x) {
                const float c = soft.at(std::min(x / cloudScale, soft.width() - 1),
                                        std::min(y / cloudScale, soft.height() - 1));
                if (c > 0.0F) {
                    const float s = shade.at(std::min(x / cloudScale, shade.width() - 1),
                                             std::min(y / cloudScale, shade.height() - 1));
                    band.blend(x, y, mix(p_.cloud, mix(p_.cloud, p_.zenith, 0.35F), s), 0.9F * c);
                }
            }
        }
    }

    static void paintHills(TImage& band, const THillLayer& layer) {
        for (int x = 0; x < band.width(); ++x) {
            const float top = layer.top[static_cast<std::size_t>(x)];
            const float light = layer.light[static_cast<std::size_t>(x)];
            for (int y = std::max({band.top(), 0, static_cast<int>(top)}); y < band.bottom(); ++y) {
                const float cover = clamp01(static_cast<float>(y) + 1.0F - top);
                const float below = static_cast<float>(y) - top;
                // The slope light belongs to the ridge; further down the layer settles into its base and
                // shade.
                const TColour c = toneForLight(layer.colour, light * clamp01(1.0F - below / 60.0F));
                band.blend(x, y, mix(c, shadeOf(layer.colour), clamp01(below / 220.0F) * 0.6F), cover);
            }
        }
    }

    const TSkyPalette& p_;
    int width_;
    int height_;
    std::vector<TStar> stars_;
    std::vector<TLightShape> light_;
    TCloudMasks clouds_;
    std::vector<THillLayer> hills_;
};
} // namespace

std::optional<TSkyKind> skyKindNamed(const std::string& name) {
    return styleNamed<TSkyKind>(skyStyles, name);
}

std::string skyStyleChoices() {
    return styleChoices(skyStyles);
}

void paintSkyPicture(TSkyKind kind, int width, int height, std::uint32_t seed, const TRowSink& sink) {
    TSkyPainter(kind, width, height, seed).paint(sink);
}

TImage skyPicture(TSkyKind kind, int width, int height, std::uint32_t seed) {
    TImage image(width, height);
    paintSkyPicture(kind, width, height, seed, [&image](int y, const TColour* row) {
        std::copy(row, row + image.width(), &image.at(0, y));
    });
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
