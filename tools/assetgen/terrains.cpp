#include "terrains.hpp"

#include "noise.hpp"
#include "shapes.hpp"
#include "style_table.hpp"
#include "terrain_paint.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

namespace {
struct TWorm {
    std::vector<float> xs;
    std::vector<float> ys;
    float radius;
    float minX = 0.0F; // the span of the path, so that far pixels skip it at once
    float maxX = 0.0F;
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
    const auto [left, right] = std::minmax_element(worm.xs.begin(), worm.xs.end());
    worm.minX = *left;
    worm.maxX = *right;
    return worm;
}

// Deeper inside than this the exact value of the field does not matter. Capping it there lets a tunnel skip
// the pixels it is farther from than that, without leaving a jump in the field (which painted a seam).
constexpr float carveDepth = 64.0F;

float wormDistance(const TWorm& worm, float x, float y) {
    const float reach = worm.radius + carveDepth + 4.0F;
    if (x < worm.minX - reach || x > worm.maxX + reach) {
        return 1e9F - worm.radius;
    }
    float best = 1e9F;
    for (std::size_t i = 1; i < worm.xs.size(); ++i) {
        const float minX = std::min(worm.xs[i - 1], worm.xs[i]) - reach;
        const float maxX = std::max(worm.xs[i - 1], worm.xs[i]) + reach;
        if (x < minX || x > maxX) {
            continue;
        }
        best = std::min(best,
                        segmentDistance({x, y}, {worm.xs[i - 1], worm.ys[i - 1]}, {worm.xs[i], worm.ys[i]}));
    }
    return best - worm.radius;
}

// Cuts tunnels out of the field (the field must already hold distances roughly in pixels).
float carveWorms(float value, const std::vector<TWorm>& worms, float x, float y) {
    value = std::min(value, carveDepth);
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

// What a terrain is drawn in: its size, how far down its levels lie (against the style's own picture), how
// big its bumps are, and the salt mixed into every noise seed. The shipped maps have scales of 1 and no salt.
struct TFrame {
    int width;
    int height;
    float levels = 1.0F;
    float relief = 1.0F;
    std::uint32_t salt = 0;

    std::uint32_t seed(std::uint32_t base) const { return base + salt; }
};

// A field of the frame's size from a function of each pixel's centre, made a distance field.
template <typename Function> TField shapedField(const TFrame& f, Function shape) {
    TField field(f.width, f.height);
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            field.at(x, y) = shape(static_cast<float>(x) + 0.5F, static_cast<float>(y) + 0.5F);
        }
    }
    field.normaliseToDistance();
    return field;
}

struct TMesa {
    float cx, halfTop, height;
};

struct TIsland {
    float cx, top, halfWidth, depth;
};

// Where the features of one terrain lie; each style reads the parts it needs.
struct TLayout {
    TFrame frame;
    std::vector<TWorm> worms;                     // hills, peaks, caves
    std::vector<float> valleys;                   // hills: the gaps, each with a bridge and an island above
    std::vector<TMesa> mesas;                     // mesas
    std::vector<std::pair<int, int>> ropeBridges; // mesas: neighbours joined by a bridge
    std::vector<TIsland> islands;                 // islands
    std::vector<TBridge> decks;                   // islands: bridges laid as they are
};

TField hillsField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    const float period = static_cast<float>(f.width);
    const auto hillLine = [&](float at) {
        return 560.0F * f.levels -
               230.0F * f.relief * (heightNoise(at, 420.0F * f.relief, 4, f.seed(21U)) - 0.5F) * 2.0F -
               60.0F * f.relief * std::sin(at / period * 3.14159F * 2.0F);
    };
    // The line over every pixel's centre, worked out once per column.
    std::vector<float> columnLines(static_cast<std::size_t>(f.width));
    for (int column = 0; column < f.width; ++column) {
        columnLines[static_cast<std::size_t>(column)] = hillLine(static_cast<float>(column) + 0.5F);
    }
    TField field = shapedField(f, [&](float x, float y) {
        const float line = columnLines[static_cast<std::size_t>(x)];
        // Overhangs: the ground near the surface is also taken from a sideways-warped copy of the hills.
        const float warp =
            (fractalNoise2(x / (140.0F * f.relief), y / (90.0F * f.relief), 2, f.seed(31U)) - 0.5F) * 70.0F *
            f.relief;
        float v = std::max(y - line, std::min(y - line - 14.0F, y - hillLine(x + warp) - 20.0F));
        // Valley gaps that the bridges span, with a floor deep down.
        float gap = -1e9F;
        for (const float valley : layout.valleys) {
            gap = std::max(gap, 120.0F * f.relief +
                                    30.0F * f.relief * heightNoise(y, 60.0F * f.relief, 2, f.seed(23U)) -
                                    std::abs(x - valley));
        }
        v = std::max(std::min(v, -gap), y - 935.0F * f.levels);
        v = carveWorms(v, layout.worms, x, y);
        // A floating island over every valley.
        for (const float valley : layout.valleys) {
            const float ix = (x - valley) / (170.0F * f.relief);
            const float island = std::min(
                y - (300.0F * f.levels + 10.0F * f.relief * valueNoise1(x / (30.0F * f.relief), f.seed(41U))),
                330.0F * f.levels + 70.0F * f.relief * (1.0F - ix * ix) - y);
            v = std::max(v, std::min(island, (1.0F - std::abs(ix)) * 170.0F * f.relief));
        }
        return v;
    });
    const int searchFrom = static_cast<int>(400.0F * f.levels);
    for (const float valley : layout.valleys) {
        const int left = static_cast<int>(valley - 140.0F * f.relief);
        const int right = static_cast<int>(valley + 140.0F * f.relief);
        if (left - 10 < 0 || right + 10 >= f.width) {
            continue;
        }
        const float deck = static_cast<float>(
            std::min(field.surfaceBelow(left - 10, searchFrom), field.surfaceBelow(right + 10, searchFrom)));
        layBridge(field, {static_cast<float>(left - 30), static_cast<float>(right + 30), deck});
    }
    return field;
}

TField peaksField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    return shapedField(f, [&](float x, float y) {
        // Overhangs: the mountains are warped sideways, more near their tops.
        const float warp =
            (fractalNoise2(x / (260.0F * f.relief), y / (160.0F * f.relief), 2, f.seed(12U)) - 0.5F) * 60.0F *
            f.relief;
        const float wx = x + warp;
        const float ridge = 1.0F - std::abs(2.0F * heightNoise(wx, 640.0F * f.relief, 2, f.seed(77U)) - 1.0F);
        const float peaks = 1020.0F * f.levels - 560.0F * f.relief * std::pow(ridge, 1.6F) -
                            90.0F * f.relief * heightNoise(wx, 120.0F * f.relief, 3, f.seed(78U));
        float v = y - peaks;
        // Caves inside the mountains: thresholded noise, stretched sideways so they have floors.
        const float cave = fractalNoise2(x / (240.0F * f.relief), y / (100.0F * f.relief), 3, f.seed(90U));
        v = std::min(v, (0.7F - cave) * 220.0F);
        return carveWorms(v, layout.worms, x, y);
    });
}

TField mesasField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    // Flat tops joined to the dunes by steep cliffs that widen toward the foot.
    TField field = shapedField(f, [&](float x, float y) {
        const float dunes =
            880.0F * f.levels - 40.0F * f.relief * heightNoise(x, 180.0F * f.relief, 3, f.seed(55U));
        float v = y - dunes;
        for (const TMesa& m : layout.mesas) {
            const float top =
                dunes - m.height + 8.0F * f.relief * heightNoise(x, 50.0F * f.relief, 2, f.seed(56U));
            const float below = clamp01((y - top) / m.height);
            const float halfWidth = m.halfTop + 70.0F * f.relief * below * below +
                                    10.0F * f.relief * heightNoise(y, 40.0F * f.relief, 2, f.seed(57U));
            v = std::max(v, std::min(y - top, halfWidth - std::abs(x - m.cx)));
        }
        // Wind-cut arches and hollows in the rock.
        const float arch = fractalNoise2(x / (150.0F * f.relief), y / (60.0F * f.relief), 2, f.seed(60U));
        return std::min(v, (0.76F - arch) * 200.0F);
    });
    // Rope bridges between neighbouring mesas of similar height.
    for (const auto& [left, right] : layout.ropeBridges) {
        const TMesa& a = layout.mesas[static_cast<std::size_t>(left)];
        const TMesa& b = layout.mesas[static_cast<std::size_t>(right)];
        const float from = a.cx + a.halfTop;
        const float to = b.cx - b.halfTop;
        const float deck = static_cast<float>(std::max(field.surfaceBelow(static_cast<int>(from) - 20, 0),
                                                       field.surfaceBelow(static_cast<int>(to) + 20, 0)));
        layBridge(field, {from - 30.0F, to + 30.0F, deck});
    }
    return field;
}

TField islandsField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    TField field = shapedField(f, [&](float x, float y) {
        float v = -1000.0F;
        for (std::size_t i = 0; i < layout.islands.size(); ++i) {
            const TIsland& is = layout.islands[i];
            const float u = (x - is.cx) / is.halfWidth;
            if (std::abs(u) > 1.2F) {
                // Far to the side the island is its shape without the noise: cheap, and close enough to the
                // full shape at the cut that the field makes no jump there (a jump painted a faint column).
                const float top = is.top - 30.0F * f.relief * (1.0F - u * u);
                v = std::max(v, std::min({y - top, is.top - y, (1.0F - std::abs(u)) * is.halfWidth}));
                continue;
            }
            const std::uint32_t seed = f.seed(static_cast<std::uint32_t>(100 + i));
            const float top = is.top - 30.0F * f.relief * (1.0F - u * u) +
                              12.0F * f.relief * heightNoise(x, 60.0F * f.relief, 2, seed);
            const float belly = is.top + is.depth * std::pow(std::max(0.0F, 1.0F - u * u), 0.8F) *
                                             (0.75F + 0.5F * heightNoise(x, 50.0F * f.relief, 2, seed + 50U));
            v = std::max(v, std::min({y - top, belly - y, (1.0F - std::abs(u)) * is.halfWidth}));
        }
        return v;
    });
    for (const TBridge& deck : layout.decks) {
        layBridge(field, deck);
    }
    return field;
}

TField cavesField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    return shapedField(f, [&](float x, float y) {
        const float crust =
            y - (230.0F * f.levels + 60.0F * f.relief * heightNoise(x, 260.0F * f.relief, 3, f.seed(17U)));
        // Wide caverns with flat-ish floors: noise stretched sideways, pinched near the crust.
        const float cave = fractalNoise2(x / (260.0F * f.relief), y / (110.0F * f.relief), 3, f.seed(18U));
        const float pinch = smoothStep(260.0F * f.levels, 420.0F * f.levels, y);
        float v = std::min(crust, (0.5F + 0.22F * (1.0F - pinch) - cave) * 260.0F);
        v = carveWorms(v, layout.worms, x, y);
        return std::max(v, y - 1130.0F * f.levels); // solid bedrock at the bottom
    });
}

// Everything that makes a style, in the order of TTerrainKind: its name, its shipped picture, how it is
// shaped and painted.
struct TStyleRecipe {
    const char* name;
    const char* shippedFile;
    int shippedWidth;
    int shippedHeight;
    TField (*build)(const TLayout&);
    TTerrainStyle paint;
};

constexpr TStyleRecipe styleRecipes[] = {
    {"hills", "fore_basic.png", 2000, 1000, hillsField,
     TTerrainStyle{palette::soil, hexColour(0x4a2f22), TSurface::Grass, false, true, 1U}},
    {"peaks", "fore_peaks.png", 1600, 1200, peaksField,
     TTerrainStyle{palette::rock, hexColour(0x3c3a48), TSurface::Snow, true, false, 2U}},
    {"mesas", "fore_mesas.png", 2400, 1000, mesasField,
     TTerrainStyle{hexColour(0xc98a4e), hexColour(0x8a4f32), TSurface::Sand, true, false, 3U}},
    {"islands", "fore_islands.png", 2000, 1200, islandsField,
     TTerrainStyle{palette::soil, hexColour(0x5a4a5e), TSurface::Grass, false, true, 4U}},
    {"caves", "fore_caves.png", 1600, 1200, cavesField,
     TTerrainStyle{hexColour(0x7a6a62), hexColour(0x3a3440), TSurface::Grass, true, true, 5U}},
};
static_assert(std::size(styleRecipes) == static_cast<std::size_t>(TTerrainKind::Caves) + 1,
              "a row for every style");

const TStyleRecipe& recipeFor(TTerrainKind kind) {
    return styleRecipes[static_cast<std::size_t>(kind)];
}

// The layouts of the shipped maps, as they were drawn by hand.
TLayout shippedLayout(TTerrainKind kind) {
    const TStyleRecipe& recipe = recipeFor(kind);
    TLayout layout{};
    layout.frame = {recipe.shippedWidth, recipe.shippedHeight};
    switch (kind) {
    case TTerrainKind::Hills:
        layout.worms = {wanderingWorm(300.0F, 720.0F, 0.1F, 40, 17.0F, 5U),
                        wanderingWorm(1300.0F, 760.0F, 3.0F, 26, 15.0F, 9U)};
        layout.valleys = {1000.0F};
        break;
    case TTerrainKind::Peaks:
        layout.worms = {wanderingWorm(200.0F, 950.0F, 0.0F, 50, 18.0F, 3U),
                        wanderingWorm(1100.0F, 900.0F, 2.6F, 30, 16.0F, 8U)};
        break;
    case TTerrainKind::Mesas:
        layout.mesas = {{230.0F, 150.0F, 330.0F},  {640.0F, 110.0F, 470.0F},  {960.0F, 120.0F, 470.0F},
                        {1380.0F, 170.0F, 260.0F}, {1800.0F, 160.0F, 400.0F}, {2180.0F, 130.0F, 400.0F}};
        layout.ropeBridges = {{1, 2}, {4, 5}};
        break;
    case TTerrainKind::Islands:
        layout.islands = {{230.0F, 520.0F, 220.0F, 380.0F},  {660.0F, 330.0F, 200.0F, 300.0F},
                          {1010.0F, 640.0F, 260.0F, 420.0F}, {1420.0F, 400.0F, 220.0F, 340.0F},
                          {1800.0F, 600.0F, 200.0F, 400.0F}, {620.0F, 860.0F, 190.0F, 260.0F},
                          {1480.0F, 900.0F, 180.0F, 240.0F}};
        layout.decks = {{400.0F, 500.0F, 500.0F}};
        break;
    case TTerrainKind::Caves:
        layout.worms = {wanderingWorm(80.0F, 420.0F, 0.2F, 80, 20.0F, 13U),
                        wanderingWorm(1500.0F, 700.0F, 3.2F, 80, 18.0F, 14U),
                        wanderingWorm(300.0F, 1000.0F, -0.2F, 70, 19.0F, 15U)};
        break;
    }
    return layout;
}

// How many features of one kind a picture holds: as many per area as the shipped map, at least the minimum.
int featureCount(const TFrame& f, float perShippedPicture, float shippedArea, int minimum) {
    const float area = static_cast<float>(f.width) * static_cast<float>(f.height);
    return std::max(minimum, static_cast<int>(std::lround(perShippedPicture * area / shippedArea)));
}

// How many features fit across the picture when each takes the given width (grown with the relief).
int spacedCount(const TFrame& f, float spacing, int minimum) {
    return std::max(minimum,
                    static_cast<int>(std::lround(static_cast<float>(f.width) / (spacing * f.relief))));
}

// Evenly spread centres across the width, each moved a little to the side.
std::vector<float> spreadCentres(TRng& rng, int count, int width) {
    const float spacing = static_cast<float>(width) / static_cast<float>(count);
    std::vector<float> centres;
    for (int i = 0; i < count; ++i) {
        centres.push_back((static_cast<float>(i) + 0.5F + rng.range(-0.15F, 0.15F)) * spacing);
    }
    return centres;
}

// Tunnels starting in the given band of heights (shares of the picture), heading left or right.
std::vector<TWorm> randomWorms(TRng& rng, const TFrame& f, int count, float top, float bottom, int steps) {
    std::vector<TWorm> worms;
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(0.05F, 0.95F) * static_cast<float>(f.width);
        const float y = rng.range(top, bottom) * static_cast<float>(f.height);
        const float heading = rng.range(-0.3F, 0.3F) + (rng.below(2) == 0 ? 0.0F : std::numbers::pi_v<float>);
        const int length = steps / 2 + rng.below(steps / 2 + 1);
        const float radius = rng.range(15.0F, 20.0F);
        worms.push_back(wanderingWorm(x, y, heading, length, radius, static_cast<std::uint32_t>(rng.next())));
    }
    return worms;
}

void randomMesas(TRng& rng, TLayout& layout) {
    const TFrame& f = layout.frame;
    const int count = spacedCount(f, 400.0F, 3);
    for (const float cx : spreadCentres(rng, count, f.width)) {
        layout.mesas.push_back(
            {cx, rng.range(110.0F, 170.0F) * f.relief, rng.range(260.0F, 470.0F) * f.relief});
    }
    // Every third pair of neighbours is made level and bridged.
    for (int i = 1; i + 1 < count; i += 3) {
        layout.mesas[static_cast<std::size_t>(i + 1)].height =
            layout.mesas[static_cast<std::size_t>(i)].height;
        layout.ropeBridges.emplace_back(i, i + 1);
    }
}

void randomIslands(TRng& rng, TLayout& layout) {
    const TFrame& f = layout.frame;
    const auto h = static_cast<float>(f.height);
    const int count = spacedCount(f, 400.0F, 3);
    const std::vector<float> centres = spreadCentres(rng, count, f.width);
    // Narrow enough that neighbours keep a gap of sky between them.
    const float widest = 0.48F * static_cast<float>(f.width) / static_cast<float>(count);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const float halfWidth = std::min(rng.range(190.0F, 260.0F) * f.relief, widest);
        const float depth = rng.range(300.0F, 420.0F) * f.relief;
        layout.islands.push_back({centres[i], rng.range(0.28F, 0.55F) * h, halfWidth, depth});
        // A lower island under every other one, as in the shipped map.
        if (i % 2 == 1) {
            layout.islands.push_back({centres[i] + rng.range(-40.0F, 40.0F) * f.relief,
                                      rng.range(0.7F, 0.76F) * h, rng.range(180.0F, 190.0F) * f.relief,
                                      rng.range(200.0F, 240.0F) * f.relief});
        }
    }
    // A bridge from the first island to its neighbour (the second upper one: the first has none below it),
    // at the height of the first one's shoulder.
    const TIsland& first = layout.islands[0];
    const TIsland& next = layout.islands[1];
    layout.decks.push_back(
        {first.cx + 0.75F * first.halfWidth, next.cx - 0.75F * next.halfWidth, first.top - 10.0F * f.relief});
}

TLayout randomLayout(TTerrainKind kind, std::uint32_t seed, int width, int height) {
    const TStyleRecipe& recipe = recipeFor(kind);
    const float levels = static_cast<float>(height) / static_cast<float>(recipe.shippedHeight);
    TLayout layout{};
    layout.frame = {width, height, levels, std::sqrt(levels), seed * 0x9E3779B1U + 0x7F4A7C15U};
    const TFrame& f = layout.frame;
    TRng rng(seed * 0x2545F4914F6CDD1DULL + static_cast<std::uint64_t>(kind));
    const auto shippedArea =
        static_cast<float>(recipe.shippedWidth) * static_cast<float>(recipe.shippedHeight);
    switch (kind) {
    case TTerrainKind::Hills:
        layout.valleys = spreadCentres(rng, spacedCount(f, 2000.0F, 1), width);
        layout.worms = randomWorms(rng, f, featureCount(f, 2.0F, shippedArea, 2), 0.65F, 0.85F, 40);
        break;
    case TTerrainKind::Peaks:
        layout.worms = randomWorms(rng, f, featureCount(f, 2.0F, shippedArea, 2), 0.72F, 0.85F, 50);
        break;
    case TTerrainKind::Mesas:
        randomMesas(rng, layout);
        break;
    case TTerrainKind::Islands:
        randomIslands(rng, layout);
        break;
    case TTerrainKind::Caves:
        layout.worms = randomWorms(rng, f, featureCount(f, 3.0F, shippedArea, 3), 0.32F, 0.88F, 80);
        break;
    }
    return layout;
}
} // namespace

std::optional<TTerrainKind> terrainKindNamed(const std::string& name) {
    return styleNamed<TTerrainKind>(styleRecipes, name);
}

std::string terrainStyleChoices() {
    return styleChoices(styleRecipes);
}

TImage terrainPicture(TTerrainKind kind, std::uint32_t seed, int width, int height) {
    const TStyleRecipe& recipe = recipeFor(kind);
    const TLayout layout = randomLayout(kind, seed, width, height);
    // Pebbles, grain and the like follow the salt too, so that two seeds never share their details.
    TTerrainStyle paint = recipe.paint;
    paint.seed += layout.frame.salt;
    return paintTerrain(recipe.build(layout), paint);
}

void addTerrainPictures(TPictureSet& set) {
    for (std::size_t kind = 0; kind < std::size(styleRecipes); ++kind) {
        const TStyleRecipe& recipe = styleRecipes[kind];
        const TField field = recipe.build(shippedLayout(static_cast<TTerrainKind>(kind)));
        set.push_back({"maps", recipe.shippedFile, paintTerrain(field, recipe.paint), TPngKind::PngAlpha});
    }
}
