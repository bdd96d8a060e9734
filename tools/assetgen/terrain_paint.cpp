#include "terrain_paint.hpp"

#include "noise.hpp"
#include "raster.hpp"
#include "terrain_depths.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Rows painted at a time: a band of the picture in float colours is all that is held besides the field.
constexpr int bandHeight = 256;
// The body takes its deepest colour this far inside the ground; nearer the air the distance matters exactly.
constexpr float deepestInside = 160.0F;

// std::fmod for a wave that is never negative, without the library call: in double precision the quotient
// cannot round up to the next whole number, and the remainder is exact, as fmod's always is.
float remainderOf(float wave, float period) {
    const double whole = std::floor(static_cast<double>(wave) / period);
    return static_cast<float>(static_cast<double>(wave) - whole * period);
}

// The body: banded noise in three tones, strata, darker with depth. The grain is the body's noise at the
// pixel, the sway that of the strata over its column.
TColour bodyColour(const TTerrainStyle& style, int y, float inside, float grain, float sway) {
    const auto fy = static_cast<float>(y);
    const float deepness = smoothStep(10.0F, deepestInside, inside);
    TColour base = mix(style.body, style.deep, deepness);
    const float light = smoothStep(0.6F, 0.68F, grain) - smoothStep(0.4F, 0.32F, grain);
    base = toneForLight(base, 0.3F * light);
    if (style.strata) {
        const float wave = fy + 14.0F * sway;
        const float band = remainderOf(wave, 23.0F);
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

// How deep the surface layer (grass, snow, sand) reaches in a column.
int surfaceThickness(const TTerrainStyle& style, int x) {
    return (style.surface == TSurface::Snow ? 14 : 7) +
           static_cast<int>(6.0F * valueNoise1(static_cast<float>(x) / 37.0F, style.seed + 11U));
}

TColour surfaceColour(const TTerrainStyle& style, int x, int y, int depth, int thickness) {
    switch (style.surface) {
    case TSurface::Grass:
        return grassColour(x, depth, thickness);
    case TSurface::Snow:
        return snowColour(x, y, depth, thickness + 4);
    case TSurface::Sand:
        break;
    }
    return sandColour(x, y, depth, thickness);
}

struct TPebble {
    TPoint centre;
    float radius;
    TColour stone;
};

struct TRootPiece {
    TPoint from;
    TPoint to;
    float radius;
};

// A tuft of faint blades above a grass surface pixel at (x, y), 2 to 4 pixels high.
constexpr int tallestBlade = 4;
struct TBlade {
    int x;
    int y;
    int height;
};

// Paints a terrain a band of rows at a time. Everything drawn across bands (pebbles, roots, blades) is
// decided first, in the order of the random draws of a painting of the whole picture, so that each pixel
// sees the same paint in the same order as it would there.
class TTerrainPainter {
public:
    TTerrainPainter(const TField& field, const TTerrainStyle& style)
        : field_(field), style_(style), thickness_(static_cast<std::size_t>(field.width())),
          sway_(static_cast<std::size_t>(field.width())), grain_(grainColumns(field.width()), 3, style.seed) {
        for (int x = 0; x < field.width(); ++x) {
            const auto c = static_cast<std::size_t>(x);
            thickness_[c] = surfaceThickness(style, x);
            if (style.strata) {
                sway_[c] = fractalNoise1(static_cast<float>(x) / 160.0F, 3, style.seed + 5U);
            }
        }
        placeDetails();
        if (style.surface == TSurface::Grass) {
            placeBlades();
        }
    }

    void paint(const TRowSink& sink) {
        TInsideDistances inside(field_, deepestInside, bandHeight);
        TDepthScan depths(field_.width());
        for (int top = 0; top < field_.height(); top += bandHeight) {
            const int rows = std::min(bandHeight, field_.height() - top);
            TImage band = TImage::band(field_.width(), top, rows);
            paintBody(band, inside.band(top, rows));
            drawDetails(band);
            paintSurface(band, depths);
            growBlades(band);
            for (int y = band.top(); y < band.bottom(); ++y) {
                sink(y, &band.at(0, y));
            }
        }
    }

private:
    static std::vector<float> grainColumns(int width) {
        std::vector<float> xs(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x) {
            xs[static_cast<std::size_t>(x)] = static_cast<float>(x) / 90.0F;
        }
        return xs;
    }

    // Where a pebble may lie: well inside the ground, below the surface layer, not in wood.
    std::vector<bool> pebbleGround() const {
        const int w = field_.width();
        std::vector<bool> allowed(static_cast<std::size_t>(w) * static_cast<std::size_t>(field_.height()));
        TDepthScan depths(w);
        for (int y = 0; y < field_.height(); ++y) {
            const std::vector<int>& depth = depths.nextRow(field_);
            for (int x = 0; x < w; ++x) {
                allowed[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                        static_cast<std::size_t>(x)] = field_.at(x, y) >= 6.0F &&
                                                       depth[static_cast<std::size_t>(x)] >= 16 &&
                                                       field_.material(x, y) == TMaterial::Ground;
            }
        }
        return allowed;
    }

    // Pebbles scattered in the body, then roots hanging under the surface, from one random sequence.
    void placeDetails() {
        const int w = field_.width();
        const int h = field_.height();
        const std::vector<bool> allowed = pebbleGround();
        TRng rng(style_.seed * 7919U + 3U);
        const int pebbles = w * h / 2600;
        for (int i = 0; i < pebbles; ++i) {
            const int x = rng.below(w);
            const int y = rng.below(h);
            if (!allowed[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                         static_cast<std::size_t>(x)]) {
                continue;
            }
            const float r = rng.range(1.6F, 3.4F);
            const TColour stone = mix(palette::rock, style_.body, rng.range(0.0F, 0.5F));
            pebbles_.push_back({{static_cast<float>(x), static_cast<float>(y)}, r, stone});
        }
        if (!style_.roots) {
            return;
        }
        for (int x = 4; x < w - 4; x += 3 + rng.below(20)) {
            const int y = field_.surfaceBelow(x, 0);
            if (y >= h - 40) {
                continue;
            }
            float px = static_cast<float>(x);
            float py = static_cast<float>(y) + 10.0F;
            const int segments = 3 + rng.below(4);
            for (int s = 0; s < segments; ++s) {
                const float nx = px + rng.range(-4.0F, 4.0F);
                const float ny = py + rng.range(4.0F, 8.0F);
                roots_.push_back({{px, py}, {nx, ny}, 0.9F - 0.12F * static_cast<float>(s)});
                px = nx;
                py = ny;
            }
        }
    }

    // A third of the grass surface pixels grow blades, decided column by column from the left.
    void placeBlades() {
        const int w = field_.width();
        std::vector<std::vector<int>> surfaces(static_cast<std::size_t>(w));
        for (int y = 1; y < field_.height(); ++y) {
            for (int x = 1; x < w - 1; ++x) {
                if (field_.solid(x, y) && !field_.solid(x, y - 1) &&
                    field_.material(x, y) == TMaterial::Ground) {
                    surfaces[static_cast<std::size_t>(x)].push_back(y);
                }
            }
        }
        TRng rng(style_.seed + 99U);
        for (int x = 1; x < w - 1; ++x) {
            for (const int y : surfaces[static_cast<std::size_t>(x)]) {
                if (rng.below(3) != 0) {
                    continue;
                }
                blades_.push_back({x, y, 2 + rng.below(tallestBlade - 1)});
            }
        }
        // Row by row, each column keeping its order from the top.
        std::stable_sort(blades_.begin(), blades_.end(),
                         [](const TBlade& a, const TBlade& b) { return a.y < b.y; });
    }

    void paintBody(TImage& band, const float* inside) {
        const int w = field_.width();
        for (int y = band.top(); y < band.bottom(); ++y) {
            const float* insideRow =
                inside + static_cast<std::size_t>(y - band.top()) * static_cast<std::size_t>(w);
            const std::vector<float>& grain = grain_.row(static_cast<float>(y) / 60.0F);
            for (int x = 0; x < w; ++x) {
                if (field_.at(x, y) <= -1.0F) {
                    continue;
                }
                const auto c = static_cast<std::size_t>(x);
                band.at(x, y) = field_.material(x, y) == TMaterial::Wood
                                    ? woodColour(x, y)
                                    : bodyColour(style_, y, insideRow[x], grain[c], sway_[c]);
            }
        }
    }

    void drawDetails(TImage& band) const {
        // A pebble reaches less than 8 pixels from its centre, a root piece 2 from its ends.
        constexpr float pebbleReach = 8.0F;
        constexpr float rootReach = 2.0F;
        const auto top = static_cast<float>(band.top());
        const auto bottom = static_cast<float>(band.bottom());
        for (const TPebble& p : pebbles_) {
            if (p.centre.y + pebbleReach < top || p.centre.y - pebbleReach >= bottom) {
                continue;
            }
            const float r = p.radius;
            drawToned(band, ellipse(p.centre, r * 1.3F, r), {p.stone, 0.0F, r * 0.5F, r * 0.4F});
            strokeShape(band, ellipse(p.centre, r * 1.3F, r), withAlpha(shadeOf(shadeOf(style_.body)), 0.8F),
                        0.8F);
        }
        const TColour root = hexColour(0x5c3a22);
        for (const TRootPiece& piece : roots_) {
            if (std::max(piece.from.y, piece.to.y) + rootReach < top ||
                std::min(piece.from.y, piece.to.y) - rootReach >= bottom) {
                continue;
            }
            fillShape(band, capsule(piece.from, piece.to, piece.radius), root);
        }
    }

    void paintSurface(TImage& band, TDepthScan& depths) const {
        const int w = field_.width();
        for (int y = band.top(); y < band.bottom(); ++y) {
            const std::vector<int>& depth = depths.nextRow(field_);
            for (int x = 0; x < w; ++x) {
                const float d = field_.at(x, y);
                if (d <= -1.0F) {
                    band.at(x, y) = palette::transparent;
                    continue;
                }
                TColour c = band.at(x, y);
                const int dp = depth[static_cast<std::size_t>(x)];
                const int thickness = thickness_[static_cast<std::size_t>(x)];
                if (field_.material(x, y) == TMaterial::Ground && dp <= thickness) {
                    c = surfaceColour(style_, x, y, dp, thickness);
                }
                // A dark rim along every edge, the cartoon outline of the landscape.
                if (d < 2.2F) {
                    c = mix(c, palette::outline, 0.7F * clamp01((2.2F - d) / 1.6F));
                }
                band.at(x, y) = withAlpha(c, clamp01(d + 0.5F));
            }
        }
    }

    // Blades above the grass: faint enough (alpha below one half) not to count as ground.
    void growBlades(TImage& band) const {
        const auto first = std::lower_bound(blades_.begin(), blades_.end(), band.top() + 1,
                                            [](const TBlade& b, int y) { return b.y < y; });
        for (auto blade = first; blade != blades_.end() && blade->y - tallestBlade < band.bottom(); ++blade) {
            for (int k = 1; k <= blade->height; ++k) {
                if (!band.contains(blade->x, blade->y - k)) {
                    continue;
                }
                const float fade =
                    0.46F * (1.0F - static_cast<float>(k - 1) / static_cast<float>(blade->height + 1));
                TColour& p = band.at(blade->x, blade->y - k);
                if (p.a < fade) {
                    p = withAlpha(highlightOf(palette::grass), fade);
                }
            }
        }
    }

    const TField& field_;
    const TTerrainStyle& style_;
    std::vector<int> thickness_; // of the surface layer, per column
    std::vector<float> sway_;    // of the strata, per column
    TNoiseRows grain_;
    std::vector<TPebble> pebbles_;
    std::vector<TRootPiece> roots_;
    std::vector<TBlade> blades_;
};
} // namespace

void paintTerrainRows(const TField& field, const TTerrainStyle& style, const TRowSink& sink) {
    TTerrainPainter(field, style).paint(sink);
}

TImage paintTerrain(const TField& field, const TTerrainStyle& style) {
    TImage image(field.width(), field.height());
    paintTerrainRows(field, style, [&image](int y, const TColour* row) {
        std::copy(row, row + image.width(), &image.at(0, y));
    });
    return image;
}
