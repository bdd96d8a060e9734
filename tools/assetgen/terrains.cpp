#include "terrains.hpp"

#include "noise.hpp"
#include "shapes.hpp"
#include "style_table.hpp"
#include "terrain_paint.hpp"
#include "terrain_tunnels.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

namespace {
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

// A value for every column of the frame, from the x of the column's pixel centres: what a shape needs of the
// column alone is worked out once, not once per pixel.
template <typename Function> std::vector<float> perColumn(const TFrame& f, Function value) {
    std::vector<float> values(static_cast<std::size_t>(f.width));
    for (int column = 0; column < f.width; ++column) {
        values[static_cast<std::size_t>(column)] = value(static_cast<float>(column) + 0.5F);
    }
    return values;
}

// The first coordinate of a 2D noise stretched by the scale, for every column.
std::vector<float> noiseColumns(const TFrame& f, float scale) {
    return perColumn(f, [scale](float x) { return x / scale; });
}

// A field of the frame's size, made a distance field. The shape is asked row by row: row() first, with the
// row and the y of its pixel centres, then at() for each pixel with its column and the x of its centre.
template <typename Shape> TField shapedField(const TFrame& f, Shape& shape) {
    TField field(f.width, f.height);
    for (int row = 0; row < f.height; ++row) {
        shape.row(row, static_cast<float>(row) + 0.5F);
        for (int column = 0; column < f.width; ++column) {
            field.at(column, row) = shape.at(column, static_cast<float>(column) + 0.5F);
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
    std::vector<TTunnelPath> tunnels;             // hills, peaks, caves
    std::vector<float> valleys;                   // hills: the gaps, each with a bridge and an island above
    std::vector<TMesa> mesas;                     // mesas
    std::vector<std::pair<int, int>> ropeBridges; // mesas: neighbours joined by a bridge
    std::vector<TIsland> islands;                 // islands
    std::vector<TBridge> decks;                   // islands: bridges laid as they are
};

// The row a shape is at: its index and the y of its pixel centres.
struct TShapeRow {
    int index = 0;
    float y = 0.0F;
};

class THillsShape {
public:
    explicit THillsShape(const TLayout& layout)
        : layout_(layout), f_(layout.frame), tunnels_(layout.tunnels, f_.width, f_.height) {
        const float period = static_cast<float>(f_.width);
        line_ = perColumn(f_, [this, period](float at) {
            return 560.0F * f_.levels -
                   230.0F * f_.relief * (heightNoise(at, 420.0F * f_.relief, 4, f_.seed(21U)) - 0.5F) * 2.0F -
                   60.0F * f_.relief * std::sin(at / period * 3.14159F * 2.0F);
        });
        islandTop_ = perColumn(f_, [this](float x) {
            return 300.0F * f_.levels +
                   10.0F * f_.relief * valueNoise1(x / (30.0F * f_.relief), f_.seed(41U));
        });
        for (const float valley : layout.valleys) {
            const auto across = [this, valley](float x) { return (x - valley) / (170.0F * f_.relief); };
            islandBottom_.push_back(perColumn(f_, [this, across](float x) {
                const float ix = across(x);
                return 330.0F * f_.levels + 70.0F * f_.relief * (1.0F - ix * ix);
            }));
            islandSide_.push_back(perColumn(
                f_, [this, across](float x) { return (1.0F - std::abs(across(x))) * 170.0F * f_.relief; }));
        }
    }

    void row(int index, float y) {
        row_ = {index, y};
        gapWidth_ =
            120.0F * f_.relief + 30.0F * f_.relief * heightNoise(y, 60.0F * f_.relief, 2, f_.seed(23U));
    }

    // The ground near the surface was meant to be joined by a sideways-warped copy of the hills, for
    // overhangs; but that copy lies at least 14 pixels below the plain line wherever it would count, so it
    // never changes the field, and is not worked out.
    float at(int column, float x) const {
        const auto c = static_cast<std::size_t>(column);
        const float y = row_.y;
        float v = y - line_[c];
        // Valley gaps that the bridges span, with a floor deep down.
        float gap = -1e9F;
        for (const float valley : layout_.valleys) {
            gap = std::max(gap, gapWidth_ - std::abs(x - valley));
        }
        v = std::max(std::min(v, -gap), y - 935.0F * f_.levels);
        v = tunnels_.carve(v, column, row_.index, x, y);
        // A floating island over every valley.
        for (std::size_t i = 0; i < islandSide_.size(); ++i) {
            const float island = std::min(y - islandTop_[c], islandBottom_[i][c] - y);
            v = std::max(v, std::min(island, islandSide_[i][c]));
        }
        return v;
    }

private:
    const TLayout& layout_;
    const TFrame& f_;
    TTunnelCarver tunnels_;
    std::vector<float> line_;
    std::vector<float> islandTop_;
    std::vector<std::vector<float>> islandBottom_; // per valley
    std::vector<std::vector<float>> islandSide_;
    TShapeRow row_;
    float gapWidth_ = 0.0F;
};

TField hillsField(const TLayout& layout) {
    const TFrame& f = layout.frame;
    THillsShape shape(layout);
    TField field = shapedField(f, shape);
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

class TPeaksShape {
public:
    explicit TPeaksShape(const TFrame& f, const std::vector<TTunnelPath>& tunnels)
        : f_(f), tunnels_(tunnels, f.width, f.height),
          warp_(noiseColumns(f, 260.0F * f.relief), 2, f.seed(12U)),
          cave_(noiseColumns(f, 240.0F * f.relief), 3, f.seed(90U)), ridge_(2, f.seed(77U)),
          bumps_(3, f.seed(78U)) {}

    void row(int index, float y) {
        row_ = {index, y};
        warpRow_ = &warp_.row(y / (160.0F * f_.relief));
        caveRow_ = &cave_.row(y / (100.0F * f_.relief));
    }

    float at(int column, float x) {
        const auto c = static_cast<std::size_t>(column);
        const float y = row_.y;
        // Overhangs: the mountains are warped sideways, more near their tops.
        const float warp = ((*warpRow_)[c] - 0.5F) * 60.0F * f_.relief;
        const float wx = x + warp;
        const float ridge = 1.0F - std::abs(2.0F * ridge_.at(wx / (640.0F * f_.relief)) - 1.0F);
        const float peaks = 1020.0F * f_.levels - 560.0F * f_.relief * std::pow(ridge, 1.6F) -
                            90.0F * f_.relief * bumps_.at(wx / (120.0F * f_.relief));
        float v = y - peaks;
        // Caves inside the mountains: thresholded noise, stretched sideways so they have floors.
        v = std::min(v, (0.7F - (*caveRow_)[c]) * 220.0F);
        return tunnels_.carve(v, column, row_.index, x, y);
    }

private:
    const TFrame& f_;
    TTunnelCarver tunnels_;
    TNoiseRows warp_;
    TNoiseRows cave_;
    TNoiseTrack ridge_;
    TNoiseTrack bumps_;
    TShapeRow row_;
    const std::vector<float>* warpRow_ = nullptr;
    const std::vector<float>* caveRow_ = nullptr;
};

TField peaksField(const TLayout& layout) {
    TPeaksShape shape(layout.frame, layout.tunnels);
    return shapedField(layout.frame, shape);
}

// Flat tops joined to the dunes by steep cliffs that widen toward the foot.
class TMesasShape {
public:
    explicit TMesasShape(const TLayout& layout)
        : mesas_(layout.mesas), f_(layout.frame),
          arch_(noiseColumns(f_, 150.0F * f_.relief), 2, f_.seed(60U)) {
        dunes_ = perColumn(f_, [this](float x) {
            return 880.0F * f_.levels -
                   40.0F * f_.relief * heightNoise(x, 180.0F * f_.relief, 3, f_.seed(55U));
        });
        const std::vector<float> lift = perColumn(f_, [this](float x) {
            return 8.0F * f_.relief * heightNoise(x, 50.0F * f_.relief, 2, f_.seed(56U));
        });
        for (const TMesa& m : mesas_) {
            std::vector<float> top(dunes_.size());
            for (std::size_t c = 0; c < top.size(); ++c) {
                top[c] = dunes_[c] - m.height + lift[c];
            }
            tops_.push_back(std::move(top));
        }
    }

    void row(int, float y) {
        y_ = y;
        sway_ = 10.0F * f_.relief * heightNoise(y, 40.0F * f_.relief, 2, f_.seed(57U));
        archRow_ = &arch_.row(y / (60.0F * f_.relief));
    }

    float at(int column, float x) const {
        const auto c = static_cast<std::size_t>(column);
        const float y = y_;
        float v = y - dunes_[c];
        for (std::size_t i = 0; i < mesas_.size(); ++i) {
            const TMesa& m = mesas_[i];
            const float top = tops_[i][c];
            const float below = clamp01((y - top) / m.height);
            const float halfWidth = m.halfTop + 70.0F * f_.relief * below * below + sway_;
            v = std::max(v, std::min(y - top, halfWidth - std::abs(x - m.cx)));
        }
        // Wind-cut arches and hollows in the rock.
        return std::min(v, (0.76F - (*archRow_)[c]) * 200.0F);
    }

private:
    const std::vector<TMesa>& mesas_;
    const TFrame& f_;
    TNoiseRows arch_;
    std::vector<float> dunes_;
    std::vector<std::vector<float>> tops_; // per mesa
    float y_ = 0.0F;
    float sway_ = 0.0F;
    const std::vector<float>* archRow_ = nullptr;
};

TField mesasField(const TLayout& layout) {
    TMesasShape shape(layout);
    TField field = shapedField(layout.frame, shape);
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

// Each island is a top line and an underside over its columns, and a side that closes it.
class TIslandsShape {
public:
    explicit TIslandsShape(const TLayout& layout) {
        const TFrame& f = layout.frame;
        for (std::size_t i = 0; i < layout.islands.size(); ++i) {
            const TIsland& is = layout.islands[i];
            const std::uint32_t seed = f.seed(static_cast<std::uint32_t>(100 + i));
            std::vector<float> top(static_cast<std::size_t>(f.width));
            std::vector<float> under(top.size());
            std::vector<float> side(top.size());
            for (int column = 0; column < f.width; ++column) {
                const float x = static_cast<float>(column) + 0.5F;
                const auto c = static_cast<std::size_t>(column);
                const float u = (x - is.cx) / is.halfWidth;
                side[c] = (1.0F - std::abs(u)) * is.halfWidth;
                if (std::abs(u) > 1.2F) {
                    // Far to the side the island is its shape without the noise: close enough to the full
                    // shape at the cut that the field makes no jump there (a jump painted a faint column).
                    top[c] = is.top - 30.0F * f.relief * (1.0F - u * u);
                    under[c] = is.top;
                    continue;
                }
                top[c] = is.top - 30.0F * f.relief * (1.0F - u * u) +
                         12.0F * f.relief * heightNoise(x, 60.0F * f.relief, 2, seed);
                under[c] = is.top + is.depth * std::pow(std::max(0.0F, 1.0F - u * u), 0.8F) *
                                        (0.75F + 0.5F * heightNoise(x, 50.0F * f.relief, 2, seed + 50U));
            }
            tops_.push_back(std::move(top));
            unders_.push_back(std::move(under));
            sides_.push_back(std::move(side));
        }
    }

    void row(int, float y) { y_ = y; }

    float at(int column, float) const {
        const auto c = static_cast<std::size_t>(column);
        float v = -1000.0F;
        for (std::size_t i = 0; i < tops_.size(); ++i) {
            v = std::max(v, std::min({y_ - tops_[i][c], unders_[i][c] - y_, sides_[i][c]}));
        }
        return v;
    }

private:
    std::vector<std::vector<float>> tops_; // per island
    std::vector<std::vector<float>> unders_;
    std::vector<std::vector<float>> sides_;
    float y_ = 0.0F;
};

TField islandsField(const TLayout& layout) {
    TIslandsShape shape(layout);
    TField field = shapedField(layout.frame, shape);
    for (const TBridge& deck : layout.decks) {
        layBridge(field, deck);
    }
    return field;
}

class TCavesShape {
public:
    explicit TCavesShape(const TFrame& f, const std::vector<TTunnelPath>& tunnels)
        : f_(f), tunnels_(tunnels, f.width, f.height),
          cave_(noiseColumns(f, 260.0F * f.relief), 3, f.seed(18U)) {
        crust_ = perColumn(f, [&f](float x) {
            return 230.0F * f.levels + 60.0F * f.relief * heightNoise(x, 260.0F * f.relief, 3, f.seed(17U));
        });
    }

    void row(int index, float y) {
        row_ = {index, y};
        // Wide caverns with flat-ish floors: noise stretched sideways, pinched near the crust.
        caveRow_ = &cave_.row(y / (110.0F * f_.relief));
        const float pinch = smoothStep(260.0F * f_.levels, 420.0F * f_.levels, y);
        open_ = 0.5F + 0.22F * (1.0F - pinch);
    }

    float at(int column, float x) const {
        const auto c = static_cast<std::size_t>(column);
        const float y = row_.y;
        const float crust = y - crust_[c];
        float v = std::min(crust, (open_ - (*caveRow_)[c]) * 260.0F);
        v = tunnels_.carve(v, column, row_.index, x, y);
        return std::max(v, y - 1130.0F * f_.levels); // solid bedrock at the bottom
    }

private:
    const TFrame& f_;
    TTunnelCarver tunnels_;
    TNoiseRows cave_;
    std::vector<float> crust_;
    TShapeRow row_;
    const std::vector<float>* caveRow_ = nullptr;
    float open_ = 0.0F;
};

TField cavesField(const TLayout& layout) {
    TCavesShape shape(layout.frame, layout.tunnels);
    return shapedField(layout.frame, shape);
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
        layout.tunnels = {wanderingTunnel(300.0F, 720.0F, 0.1F, 40, 17.0F, 5U),
                          wanderingTunnel(1300.0F, 760.0F, 3.0F, 26, 15.0F, 9U)};
        layout.valleys = {1000.0F};
        break;
    case TTerrainKind::Peaks:
        layout.tunnels = {wanderingTunnel(200.0F, 950.0F, 0.0F, 50, 18.0F, 3U),
                          wanderingTunnel(1100.0F, 900.0F, 2.6F, 30, 16.0F, 8U)};
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
        layout.tunnels = {wanderingTunnel(80.0F, 420.0F, 0.2F, 80, 20.0F, 13U),
                          wanderingTunnel(1500.0F, 700.0F, 3.2F, 80, 18.0F, 14U),
                          wanderingTunnel(300.0F, 1000.0F, -0.2F, 70, 19.0F, 15U)};
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
std::vector<TTunnelPath> randomTunnels(TRng& rng, const TFrame& f, int count, float top, float bottom,
                                       int steps) {
    std::vector<TTunnelPath> tunnels;
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(0.05F, 0.95F) * static_cast<float>(f.width);
        const float y = rng.range(top, bottom) * static_cast<float>(f.height);
        const float heading = rng.range(-0.3F, 0.3F) + (rng.below(2) == 0 ? 0.0F : std::numbers::pi_v<float>);
        const int length = steps / 2 + rng.below(steps / 2 + 1);
        const float radius = rng.range(15.0F, 20.0F);
        tunnels.push_back(
            wanderingTunnel(x, y, heading, length, radius, static_cast<std::uint32_t>(rng.next())));
    }
    return tunnels;
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
        layout.tunnels = randomTunnels(rng, f, featureCount(f, 2.0F, shippedArea, 2), 0.65F, 0.85F, 40);
        break;
    case TTerrainKind::Peaks:
        layout.tunnels = randomTunnels(rng, f, featureCount(f, 2.0F, shippedArea, 2), 0.72F, 0.85F, 50);
        break;
    case TTerrainKind::Mesas:
        randomMesas(rng, layout);
        break;
    case TTerrainKind::Islands:
        randomIslands(rng, layout);
        break;
    case TTerrainKind::Caves:
        layout.tunnels = randomTunnels(rng, f, featureCount(f, 3.0F, shippedArea, 3), 0.32F, 0.88F, 80);
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

void paintTerrainPicture(TTerrainKind kind, std::uint32_t seed, int width, int height, const TRowSink& sink) {
    const TStyleRecipe& recipe = recipeFor(kind);
    const TLayout layout = randomLayout(kind, seed, width, height);
    // Pebbles, grain and the like follow the salt too, so that two seeds never share their details.
    TTerrainStyle paint = recipe.paint;
    paint.seed += layout.frame.salt;
    paintTerrainRows(recipe.build(layout), paint, sink);
}

void addTerrainPictures(TPictureSet& set) {
    for (std::size_t kind = 0; kind < std::size(styleRecipes); ++kind) {
        const TStyleRecipe& recipe = styleRecipes[kind];
        const TField field = recipe.build(shippedLayout(static_cast<TTerrainKind>(kind)));
        set.push_back({"maps", recipe.shippedFile, paintTerrain(field, recipe.paint), TPngKind::PngAlpha});
    }
}
