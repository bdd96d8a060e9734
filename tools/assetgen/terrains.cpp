#include "terrains.hpp"

#include "noise.hpp"
#include "terrain_paint.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <vector>

namespace {
float smoothStep(float e0, float e1, float v) {
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0F - 2.0F * t);
}

// Fills the field from a function of the pixel, then makes it a distance field.
template <typename Function> void fillField(TField& field, Function f) {
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            field.at(x, y) = f(static_cast<float>(x) + 0.5F, static_cast<float>(y) + 0.5F);
        }
    }
}

struct TWorm {
    std::vector<float> xs;
    std::vector<float> ys;
    float radius;
};

// A tunnel wandering from a start point with a given heading.
TWorm wanderingWorm(float x, float y, float heading, int steps, float radius, std::uint32_t seed) {
    TWorm worm{{x}, {y}, radius};
    for (int i = 0; i < steps; ++i) {
        heading += (valueNoise1(static_cast<float>(i) * 0.35F, seed) - 0.5F) * 0.9F;
        x += std::cos(heading) * 18.0F;
        y += std::sin(heading) * 18.0F * 0.6F;
        worm.xs.push_back(x);
        worm.ys.push_back(y);
    }
    return worm;
}

float wormDistance(const TWorm& worm, float x, float y) {
    float best = 1e9F;
    for (std::size_t i = 1; i < worm.xs.size(); ++i) {
        const float minX = std::min(worm.xs[i - 1], worm.xs[i]) - worm.radius - 4.0F;
        const float maxX = std::max(worm.xs[i - 1], worm.xs[i]) + worm.radius + 4.0F;
        if (x < minX || x > maxX) {
            continue;
        }
        best = std::min(best, segmentDistance(x, y, worm.xs[i - 1], worm.ys[i - 1], worm.xs[i], worm.ys[i]));
    }
    return best - worm.radius;
}

// Cuts tunnels out of the field (the field must already hold distances roughly in pixels).
float carveWorms(float value, const std::vector<TWorm>& worms, float x, float y) {
    for (const TWorm& worm : worms) {
        value = std::min(value, wormDistance(worm, x, y));
    }
    return value;
}

// A bridge deck: planks between two banks, with a rail beam under it.
struct TBridge {
    float x0;
    float x1;
    float y; // top of the deck
};

void layBridge(TField& field, const TBridge& bridge) {
    for (int y = static_cast<int>(bridge.y) - 2; y < static_cast<int>(bridge.y) + 20; ++y) {
        for (int x = static_cast<int>(bridge.x0); x < static_cast<int>(bridge.x1); ++x) {
            if (x < 0 || y < 0 || x >= field.width() || y >= field.height() || field.solid(x, y)) {
                continue;
            }
            const float fx = static_cast<float>(x) + 0.5F;
            const float fy = static_cast<float>(y) + 0.5F;
            const float deck =
                std::min({fy - bridge.y, bridge.y + 8.0F - fy, fx - bridge.x0, bridge.x1 - fx});
            // Trusses under the deck every 40 px: two diagonals, so the bridge looks carried.
            const float cell = std::fmod(fx - bridge.x0, 40.0F);
            const float diag = std::min(std::abs((fy - bridge.y - 8.0F) - cell * 0.3F),
                                        std::abs((fy - bridge.y - 8.0F) - (40.0F - cell) * 0.3F)) -
                               1.2F;
            const float rail =
                std::min({fy - bridge.y - 14.0F, bridge.y + 18.0F - fy, fx - bridge.x0, bridge.x1 - fx});
            const float truss = fy > bridge.y + 8.0F && fy < bridge.y + 15.0F ? -diag : -10.0F;
            const float v = std::max({deck, rail, truss});
            if (v > field.at(x, y)) {
                field.at(x, y) = v;
                field.material(x, y) = TMaterial::Wood;
            }
        }
    }
}

float heightNoise(float x, float scale, int octaves, std::uint32_t seed) {
    return fractalNoise1(x / scale, octaves, seed);
}
} // namespace

TField basicField() {
    TField field(2000, 1000);
    const std::vector<TWorm> worms = {wanderingWorm(300.0F, 720.0F, 0.1F, 40, 17.0F, 5U),
                                      wanderingWorm(1300.0F, 760.0F, 3.0F, 26, 15.0F, 9U)};
    fillField(field, [&](float x, float y) {
        const auto hillLine = [](float at) {
            return 560.0F - 230.0F * (heightNoise(at, 420.0F, 4, 21U) - 0.5F) * 2.0F -
                   60.0F * std::sin(at / 2000.0F * 3.14159F * 2.0F);
        };
        // Overhangs: the ground near the surface is also taken from a sideways-warped copy of the hills.
        const float warp = (fractalNoise2(x / 140.0F, y / 90.0F, 2, 31U) - 0.5F) * 70.0F;
        float v =
            std::max(y - hillLine(x), std::min(y - hillLine(x) - 14.0F, y - hillLine(x + warp) - 20.0F));
        // A valley gap that the bridge spans, with a floor deep down.
        const float gap = 120.0F + 30.0F * heightNoise(y, 60.0F, 2, 23U) - std::abs(x - 1000.0F);
        v = std::max(std::min(v, -gap), y - 935.0F);
        v = carveWorms(v, worms, x, y);
        // A floating island over the middle.
        const float ix = (x - 1000.0F) / 170.0F;
        const float island = std::min(y - (300.0F + 10.0F * valueNoise1(x / 30.0F, 41U)),
                                      330.0F + 70.0F * (1.0F - ix * ix) - y);
        return std::max(v, std::min(island, (1.0F - std::abs(ix)) * 170.0F));
    });
    field.normaliseToDistance();
    int left = 860;
    int right = 1140;
    auto surfaceAt = [&](int x) {
        int y = 400;
        while (y < field.height() - 1 && !field.solid(x, y)) {
            ++y;
        }
        return y;
    };
    const float deck = static_cast<float>(std::min(surfaceAt(left - 10), surfaceAt(right + 10)));
    layBridge(field, {static_cast<float>(left - 30), static_cast<float>(right + 30), deck});
    return field;
}

TField snowField() {
    TField field(1600, 1200);
    const std::vector<TWorm> worms = {wanderingWorm(200.0F, 950.0F, 0.0F, 50, 18.0F, 3U),
                                      wanderingWorm(1100.0F, 900.0F, 2.6F, 30, 16.0F, 8U)};
    fillField(field, [&](float x, float y) {
        // Overhangs: the mountains are warped sideways, more near their tops.
        const float warp = (fractalNoise2(x / 260.0F, y / 160.0F, 2, 12U) - 0.5F) * 60.0F;
        const float wx = x + warp;
        const float ridge = 1.0F - std::abs(2.0F * heightNoise(wx, 640.0F, 2, 77U) - 1.0F);
        const float peaks =
            1020.0F - 560.0F * std::pow(ridge, 1.6F) - 90.0F * heightNoise(wx, 120.0F, 3, 78U);
        float v = y - peaks;
        // Caves inside the mountains: thresholded noise, stretched sideways so they have floors.
        const float cave = fractalNoise2(x / 240.0F, y / 100.0F, 3, 90U);
        v = std::min(v, (0.7F - cave) * 220.0F);
        return carveWorms(v, worms, x, y);
    });
    field.normaliseToDistance();
    return field;
}

TField desertField() {
    TField field(2400, 1000);
    struct TMesa {
        float cx, halfTop, height;
    };
    // Flat tops joined to the dunes by steep cliffs that widen toward the foot.
    const TMesa mesas[] = {{230.0F, 150.0F, 330.0F},  {640.0F, 110.0F, 470.0F},  {960.0F, 120.0F, 470.0F},
                           {1380.0F, 170.0F, 260.0F}, {1800.0F, 160.0F, 400.0F}, {2180.0F, 130.0F, 400.0F}};
    fillField(field, [&](float x, float y) {
        const float dunes = 880.0F - 40.0F * heightNoise(x, 180.0F, 3, 55U);
        float v = y - dunes;
        for (const TMesa& m : mesas) {
            const float top = dunes - m.height + 8.0F * heightNoise(x, 50.0F, 2, 56U);
            const float below = clamp01((y - top) / m.height);
            const float halfWidth = m.halfTop + 70.0F * below * below + 10.0F * heightNoise(y, 40.0F, 2, 57U);
            v = std::max(v, std::min(y - top, halfWidth - std::abs(x - m.cx)));
        }
        // Wind-cut arches and hollows in the rock.
        const float arch = fractalNoise2(x / 150.0F, y / 60.0F, 2, 60U);
        return std::min(v, (0.76F - arch) * 200.0F);
    });
    field.normaliseToDistance();
    auto surfaceAt = [&](int x) {
        int y = 0;
        while (y < field.height() - 1 && !field.solid(x, y)) {
            ++y;
        }
        return y;
    };
    // Rope bridges between neighbouring mesas of similar height.
    for (const auto& [from, to] :
         {std::pair{640.0F + 110.0F, 960.0F - 120.0F}, std::pair{1800.0F + 160.0F, 2180.0F - 130.0F}}) {
        const float deck = static_cast<float>(
            std::max(surfaceAt(static_cast<int>(from) - 20), surfaceAt(static_cast<int>(to) + 20)));
        layBridge(field, {from - 30.0F, to + 30.0F, deck});
    }
    return field;
}

TField islandsField() {
    TField field(2000, 1200);
    struct TIsland {
        float cx, top, halfWidth, depth;
    };
    const TIsland islands[] = {{230.0F, 520.0F, 220.0F, 380.0F},  {660.0F, 330.0F, 200.0F, 300.0F},
                               {1010.0F, 640.0F, 260.0F, 420.0F}, {1420.0F, 400.0F, 220.0F, 340.0F},
                               {1800.0F, 600.0F, 200.0F, 400.0F}, {620.0F, 860.0F, 190.0F, 260.0F},
                               {1480.0F, 900.0F, 180.0F, 240.0F}};
    fillField(field, [&](float x, float y) {
        float v = -1000.0F;
        for (std::size_t i = 0; i < std::size(islands); ++i) {
            const TIsland& is = islands[i];
            const float u = (x - is.cx) / is.halfWidth;
            if (std::abs(u) > 1.2F) {
                continue;
            }
            const auto seed = static_cast<std::uint32_t>(100 + i);
            const float top = is.top - 30.0F * (1.0F - u * u) + 12.0F * heightNoise(x, 60.0F, 2, seed);
            const float belly = is.top + is.depth * std::pow(std::max(0.0F, 1.0F - u * u), 0.8F) *
                                             (0.75F + 0.5F * heightNoise(x, 50.0F, 2, seed + 50U));
            v = std::max(v, std::min({y - top, belly - y, (1.0F - std::abs(u)) * is.halfWidth}));
        }
        return v;
    });
    field.normaliseToDistance();
    layBridge(field, {400.0F, 500.0F, 500.0F});
    return field;
}

TField cavesField() {
    TField field(1600, 1200);
    const std::vector<TWorm> worms = {wanderingWorm(80.0F, 420.0F, 0.2F, 80, 20.0F, 13U),
                                      wanderingWorm(1500.0F, 700.0F, 3.2F, 80, 18.0F, 14U),
                                      wanderingWorm(300.0F, 1000.0F, -0.2F, 70, 19.0F, 15U)};
    fillField(field, [&](float x, float y) {
        const float crust = y - (230.0F + 60.0F * heightNoise(x, 260.0F, 3, 17U));
        // Wide caverns with flat-ish floors: noise stretched sideways, pinched near the crust.
        const float cave = fractalNoise2(x / 260.0F, y / 110.0F, 3, 18U);
        const float pinch = smoothStep(260.0F, 420.0F, y);
        float v = std::min(crust, (0.5F + 0.22F * (1.0F - pinch) - cave) * 260.0F);
        v = carveWorms(v, worms, x, y);
        return std::max(v, y - 1130.0F); // solid bedrock at the bottom
    });
    field.normaliseToDistance();
    return field;
}

void addTerrainPictures(TPictureSet& set) {
    struct TRecipe {
        const char* name;
        std::function<TField()> build;
        TTerrainStyle style;
    };
    const TRecipe recipes[] = {
        {"fore_basic.png",
         basicField,
         {palette::soil, hexColour(0x4a2f22), TSurface::Grass, false, true, 1U}},
        {"fore_peaks.png", snowField, {palette::rock, hexColour(0x3c3a48), TSurface::Snow, true, false, 2U}},
        {"fore_mesas.png",
         desertField,
         {hexColour(0xc98a4e), hexColour(0x8a4f32), TSurface::Sand, true, false, 3U}},
        {"fore_islands.png",
         islandsField,
         {palette::soil, hexColour(0x5a4a5e), TSurface::Grass, false, true, 4U}},
        {"fore_caves.png",
         cavesField,
         {hexColour(0x7a6a62), hexColour(0x3a3440), TSurface::Grass, true, true, 5U}},
    };
    for (const TRecipe& recipe : recipes) {
        const TField field = recipe.build();
        if (std::getenv("ASSETGEN_VERBOSE") != nullptr) {
            std::cerr << recipe.name << " solid share " << field.solidShare() << std::endl;
        }
        set.push_back({"maps", recipe.name, paintTerrain(field, recipe.style), TPngKind::PngAlpha});
    }
}
