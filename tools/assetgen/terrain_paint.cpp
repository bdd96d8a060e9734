#include "terrain_paint.hpp"

#include "noise.hpp"
#include "raster.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int openSkyHeight = 160;

// Depth of every solid pixel below the nearest air above it in its column. Surfaces under a low roof
// (cave floors) count as deep, so that grass, snow and sand grow only where the sky reaches.
std::vector<int> depthsBelowAir(const TField& field) {
    std::vector<int> depth(static_cast<std::size_t>(field.width()) * field.height(), 0);
    for (int x = 0; x < field.width(); ++x) {
        int airStart = 0;
        int lastAir = -1000;
        bool inAir = true;
        for (int y = 0; y < field.height(); ++y) {
            const bool solid = field.solid(x, y);
            if (!solid && !inAir) {
                airStart = y;
            }
            if (solid && inAir) {
                const bool exposed = airStart == 0 || y - airStart >= openSkyHeight;
                lastAir = exposed ? y - 1 : -1000;
            }
            inAir = !solid;
            depth[static_cast<std::size_t>(y) * field.width() + x] = solid ? y - lastAir : 0;
        }
    }
    return depth;
}

// Chamfer distance from every solid pixel to the nearest air pixel: a smooth measure of how deep inside it
// lies.
std::vector<float> distancesToAir(const TField& field) {
    const int w = field.width();
    const int h = field.height();
    std::vector<float> d(static_cast<std::size_t>(w) * h);
    auto at = [&](int x, int y) -> float& { return d[static_cast<std::size_t>(y) * w + x]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            at(x, y) = field.solid(x, y) ? 1e6F : 0.0F;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float& v = at(x, y);
            if (x > 0)
                v = std::min(v, at(x - 1, y) + 1.0F);
            if (y > 0)
                v = std::min(v, at(x, y - 1) + 1.0F);
            if (x > 0 && y > 0)
                v = std::min(v, at(x - 1, y - 1) + 1.4142F);
            if (x + 1 < w && y > 0)
                v = std::min(v, at(x + 1, y - 1) + 1.4142F);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            float& v = at(x, y);
            if (x + 1 < w)
                v = std::min(v, at(x + 1, y) + 1.0F);
            if (y + 1 < h)
                v = std::min(v, at(x, y + 1) + 1.0F);
            if (x + 1 < w && y + 1 < h)
                v = std::min(v, at(x + 1, y + 1) + 1.4142F);
            if (x > 0 && y + 1 < h)
                v = std::min(v, at(x - 1, y + 1) + 1.4142F);
        }
    }
    return d;
}

// The body: banded noise in three tones, strata, darker with depth.
TColour bodyColour(const TTerrainStyle& style, int x, int y, float inside) {
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    const float deepness = smoothStep(10.0F, 160.0F, inside);
    TColour base = mix(style.body, style.deep, deepness);
    const float n = fractalNoise2(fx / 90.0F, fy / 60.0F, 3, style.seed);
    const float light = smoothStep(0.6F, 0.68F, n) - smoothStep(0.4F, 0.32F, n);
    base = toneForLight(base, 0.3F * light);
    if (style.strata) {
        const float wave = fy + 14.0F * fractalNoise1(fx / 160.0F, 3, style.seed + 5U);
        const float band = std::fmod(wave, 23.0F);
        if (band < 2.2F) {
            base = mix(base, shadeOf(base), 0.75F * (1.0F - std::abs(band - 1.1F) / 1.1F));
        } else if (band > 17.0F) {
            base = mix(base, highlightOf(base), 0.3F);
        }
    }
    return base;
}

TColour grassColour(int x, int depth, int thickness) {
    // A light lip on top, blades drawn as darker strokes that rise from the bottom of the layer.
    if (depth <= 2) {
        return highlightOf(palette::grass);
    }
    const std::uint32_t h = static_cast<std::uint32_t>(x) * 2654435761U;
    const int bladeTop = thickness - 2 - static_cast<int>((h >> 8U) % 5U);
    if ((h >> 20U) % 3U == 0U && depth > bladeTop) {
        return shadeOf(palette::grass);
    }
    if (depth >= thickness - 1) {
        return shadeOf(palette::grass);
    }
    return palette::grass;
}

TColour snowColour(int x, int y, int depth, int thickness) {
    if (depth <= 2) {
        return palette::white;
    }
    const float wave = std::sin(static_cast<float>(x) * 0.05F + static_cast<float>(y) * 0.02F);
    const float shade =
        clamp01(static_cast<float>(depth - thickness / 2) / static_cast<float>(thickness) + 0.25F * wave);
    return mix(palette::snow, palette::snowShade, shade);
}

TColour sandColour(int x, int y, int depth, int thickness) {
    if (depth <= 2) {
        return highlightOf(palette::sand);
    }
    const float ripple =
        std::sin(static_cast<float>(x) * 0.21F + std::sin(static_cast<float>(y) * 0.7F) * 1.5F);
    TColour c = ripple > 0.75F ? shadeOf(palette::sand) : palette::sand;
    if (depth >= thickness - 1) {
        c = shadeOf(palette::sand);
    }
    return c;
}

TColour woodColour(int x, int y) {
    // Planks 12 px long with dark joints, lighter top board.
    const int along = x % 12;
    TColour c = (x / 12) % 2 == 0 ? palette::wood : scaled(palette::wood, 0.92F);
    if (along == 0) {
        c = shadeOf(shadeOf(palette::wood));
    }
    if (y % 10 < 2) {
        c = highlightOf(c);
    }
    return c;
}

// Pebbles and roots: small toned shapes drawn into the body after the texture.
void scatterDetails(TImage& image, const TField& field, const std::vector<int>& depth,
                    const TTerrainStyle& style) {
    TRng rng(style.seed * 7919U + 3U);
    const int pebbles = field.width() * field.height() / 2600;
    for (int i = 0; i < pebbles; ++i) {
        const int x = rng.below(field.width());
        const int y = rng.below(field.height());
        const int d = depth[static_cast<std::size_t>(y) * field.width() + x];
        if (field.at(x, y) < 6.0F || d < 16 || field.material(x, y) != TMaterial::Ground) {
            continue;
        }
        const float r = rng.range(1.6F, 3.4F);
        const TColour stone = mix(palette::rock, style.body, rng.range(0.0F, 0.5F));
        drawToned(image, ellipse({static_cast<float>(x), static_cast<float>(y)}, r * 1.3F, r),
                  {stone, 0.0F, r * 0.5F, r * 0.4F});
        strokeShape(image, ellipse({static_cast<float>(x), static_cast<float>(y)}, r * 1.3F, r),
                    withAlpha(shadeOf(shadeOf(style.body)), 0.8F), 0.8F);
    }
    if (!style.roots) {
        return;
    }
    const TColour root = hexColour(0x5c3a22);
    for (int x = 4; x < field.width() - 4; x += 3 + rng.below(20)) {
        const int y = field.surfaceBelow(x, 0);
        if (y >= field.height() - 40) {
            continue;
        }
        float px = static_cast<float>(x);
        float py = static_cast<float>(y) + 10.0F;
        const int segments = 3 + rng.below(4);
        for (int s = 0; s < segments; ++s) {
            const float nx = px + rng.range(-4.0F, 4.0F);
            const float ny = py + rng.range(4.0F, 8.0F);
            fillShape(image, capsule({px, py}, {nx, ny}, 0.9F - 0.12F * static_cast<float>(s)), root);
            px = nx;
            py = ny;
        }
    }
}

// Blades above the grass: faint enough (alpha below one half) not to count as ground.
void growBlades(TImage& image, const TField& field, std::uint32_t seed) {
    TRng rng(seed + 99U);
    for (int x = 1; x < field.width() - 1; ++x) {
        for (int y = 1; y < field.height(); ++y) {
            if (!field.solid(x, y) || field.solid(x, y - 1) || field.material(x, y) != TMaterial::Ground) {
                continue;
            }
            if (rng.below(3) != 0) {
                continue;
            }
            const int height = 2 + rng.below(3);
            for (int k = 1; k <= height; ++k) {
                const float fade =
                    0.46F * (1.0F - static_cast<float>(k - 1) / static_cast<float>(height + 1));
                TColour& p = image.at(x, y - k);
                if (p.a < fade) {
                    p = withAlpha(highlightOf(palette::grass), fade);
                }
            }
        }
    }
}
} // namespace

TImage paintTerrain(const TField& field, const TTerrainStyle& style) {
    const int w = field.width();
    const int h = field.height();
    const std::vector<int> depth = depthsBelowAir(field);
    const std::vector<float> inside = distancesToAir(field);
    TImage image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float d = field.at(x, y);
            if (d <= -1.0F) {
                continue;
            }
            const float in = inside[static_cast<std::size_t>(y) * w + x];
            image.at(x, y) =
                field.material(x, y) == TMaterial::Wood ? woodColour(x, y) : bodyColour(style, x, y, in);
        }
    }
    scatterDetails(image, field, depth, style);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float d = field.at(x, y);
            if (d <= -1.0F) {
                image.at(x, y) = palette::transparent;
                continue;
            }
            TColour c = image.at(x, y);
            const int dp = depth[static_cast<std::size_t>(y) * w + x];
            const int thickness =
                (style.surface == TSurface::Snow ? 14 : 7) +
                static_cast<int>(6.0F * valueNoise1(static_cast<float>(x) / 37.0F, style.seed + 11U));
            if (field.material(x, y) == TMaterial::Ground && dp <= thickness) {
                switch (style.surface) {
                case TSurface::Grass:
                    c = grassColour(x, dp, thickness);
                    break;
                case TSurface::Snow:
                    c = snowColour(x, y, dp, thickness + 4);
                    break;
                case TSurface::Sand:
                    c = sandColour(x, y, dp, thickness);
                    break;
                }
            }
            // A dark rim along every edge, the cartoon outline of the landscape.
            if (d < 2.2F) {
                c = mix(c, palette::outline, 0.7F * clamp01((2.2F - d) / 1.6F));
            }
            image.at(x, y) = withAlpha(c, clamp01(d + 0.5F));
        }
    }
    if (style.surface == TSurface::Grass) {
        growBlades(image, field, style.seed);
    }
    return image;
}
