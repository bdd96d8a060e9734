#include "props.hpp"

#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <cmath>
#include <iterator>
#include <string>

namespace {
constexpr int flagBigWidth = 48;
constexpr int flagBigHeight = 32;
constexpr int flagSmallWidth = 18;
constexpr int flagSmallHeight = 12;
constexpr TColour markerPink = hexColour(0xff5fb0);
constexpr TColour sockRed = hexColour(0xe5484d);

// The white team's flag takes a dark emblem; the coloured ones a white one.
constexpr int whiteTeam = 2;

TColour emblemColour(int team) {
    return team == whiteTeam ? palette::outline : palette::white;
}

// Each team's emblem, sized to the flag so that even the small one reads at a glance.
TShape emblem(int team, float cx, float cy, float r) {
    switch (team) {
    case 0:
        return star({cx, cy + r * 0.08F}, 5, r, r * 0.45F);
    case 1:
        return subtract(circle({cx, cy}, r * 0.95F), circle({cx, cy}, r * 0.5F));
    case 2:
        return polygon({{cx, cy - r}, {cx + r * 0.8F, cy}, {cx, cy + r}, {cx - r * 0.8F, cy}});
    default:
        return roundedBox({cx - r * 2.4F, cy - r * 0.38F, cx + r * 2.4F, cy + r * 0.38F}, r * 0.1F);
    }
}

TImage flagPicture(int team, int width, int height) {
    TImage image(width, height);
    const TColour base = palette::teams[team];
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    // Cloth with soft folds: the tone follows a wave across the flag.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float u = (static_cast<float>(x) + 0.5F) / w;
            const float v = (static_cast<float>(y) + 0.5F) / h;
            const float fold = std::sin(u * 6.8F + 0.6F) * 0.55F + (0.35F - v) * 0.6F;
            image.at(x, y) = toneForLight(base, fold > 0.25F ? 1.0F : (fold < -0.3F ? -1.0F : 0.0F));
        }
    }
    const TImage cloth = image;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Soften the band edges by averaging neighbours.
            TColour sum{};
            int n = 0;
            for (int j = -1; j <= 1; ++j) {
                for (int i = -1; i <= 1; ++i) {
                    if (cloth.contains(x + i, y + j)) {
                        const TColour& c = cloth.at(x + i, y + j);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1.0F};
                        ++n;
                    }
                }
            }
            image.at(x, y) = {sum.r / n, sum.g / n, sum.b / n, 1.0F};
        }
    }
    const float r = h * 0.36F;
    const TShape mark = emblem(team, w * 0.5F, h * 0.5F, r);
    const TColour ink = emblemColour(team);
    if (width >= 32) {
        drawToned(image, mark, {ink, 1.0F, r * 0.25F, r * 0.15F});
    } else {
        // A dark rim lifts a white emblem off its cloth; a dark one needs none.
        if (team != whiteTeam) {
            fillShape(image, grown(mark, 0.6F), withAlpha(palette::outline, 0.7F));
        }
        fillShape(image, mark, ink);
    }
    strokeShape(image, roundedBox({0.0F, 0.0F, w, h}, 0.0F), withAlpha(palette::outline, 0.6F), 1.0F);
    return image;
}

TImage explosiveBox(float s) {
    const int size = static_cast<int>(std::lround(28.0F * s));
    TImage image(size, size);
    const TGrid k{0.0F, 0.0F, s};
    const TColour plank = palette::wood;
    drawToned(image, roundedBox(k.box(0.5F, 0.5F, 27.5F, 27.5F), k.len(2.5F)), k.tone(plank));
    // Planks between the frame boards.
    for (const float y : {9.5F, 18.5F}) {
        fillShape(image, roundedBox(k.box(3.0F, y - 0.5F, 25.0F, y + 0.5F), 0.0F),
                  withAlpha(shadeOf(shadeOf(plank)), 0.8F));
    }
    for (const TBounds b : {k.box(1.5F, 1.5F, 26.5F, 5.0F), k.box(1.5F, 23.0F, 26.5F, 26.5F)}) {
        drawToned(image, roundedBox(b, k.len(1.0F)), k.tone(highlightOf(plank)));
    }
    // The hazard sign: a yellow diamond with a flame-red exclamation mark.
    const TShape diamond =
        polygon({k.at(14.0F, 6.5F), k.at(21.5F, 14.0F), k.at(14.0F, 21.5F), k.at(6.5F, 14.0F)});
    drawToned(image, diamond, {palette::hazard, k.outline(), k.len(1.6F), k.len(1.0F)});
    fillShape(image, capsule(k.at(14.0F, 10.4F), k.at(14.0F, 14.6F), k.len(1.1F)), palette::outline);
    fillShape(image, circle(k.at(14.0F, 17.4F), k.len(1.1F)), palette::outline);
    return image;
}

// A striped sock on its pole, blowing to the right.
TImage windSock() {
    TImage image(60, 56);
    drawToned(image, roundedBox({4.0F, 6.0F, 7.5F, 55.5F}, 1.5F), {palette::metal, 1.0F});
    drawToned(image, circle({5.75F, 5.0F}, 3.0F), {palette::hazard, 1.0F});
    const TShape cone = polygon({{8.0F, 7.5F}, {56.0F, 14.0F}, {57.0F, 21.0F}, {8.0F, 25.5F}});
    drawTonedWith(image, cone, {sockRed, 1.0F, 3.0F, 2.0F}, [](TPoint p) {
        const int band = static_cast<int>((p.x - 8.0F) / 9.8F);
        return band % 2 == 0 ? sockRed : palette::white;
    });
    drawToned(image, roundedBox({6.5F, 6.5F, 10.0F, 26.5F}, 1.5F), {palette::metal, 1.0F});
    return image;
}

TImage markerArrow() {
    TImage image(26, 32);
    const TShape arrow = polygon({{8.0F, 1.5F},
                                  {18.0F, 1.5F},
                                  {18.0F, 15.0F},
                                  {24.5F, 15.0F},
                                  {13.0F, 30.5F},
                                  {1.5F, 15.0F},
                                  {8.0F, 15.0F}});
    drawToned(image, arrow, {markerPink, 2.0F, 3.0F, 2.5F});
    return image;
}
} // namespace

void addPropPictures(TPictureSet& set) {
    set.push_back({"game-images", dataFile::explosif, explosiveBox(1.0F), TPngKind::PngAlpha});
    for (int team = 0; team < std::ssize(palette::teams); ++team) {
        set.push_back({"game-images", dataFile::flag(team, 0), flagPicture(team, flagBigWidth, flagBigHeight),
                       TPngKind::PngAlpha});
        set.push_back({"game-images", dataFile::flag(team, 1),
                       flagPicture(team, flagSmallWidth, flagSmallHeight), TPngKind::PngAlpha});
    }
    const TImage sock = windSock();
    set.push_back({"game-images", dataFile::windSockRight, sock, TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::windSockLeft, sock.mirrored(), TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::bigArrow, markerArrow(), TPngKind::PngAlpha});
}
