#include "tumbok.hpp"

#include "raster.hpp"
#include "resources/u_data_files.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int legFrameWidth = 16;
constexpr int legFrameHeight = 24;
constexpr int legFrameCount = 8;
constexpr int bodyWidth = 16;
constexpr int bodyHeight = 36;
constexpr TColour shoe = hexColour(0x5a3d5c);
constexpr TColour cheek = hexColour(0xf08a8a, 0.55F);
constexpr TColour stoneGrey = hexColour(0x9a96a6);

void drawTumbokLegs(TImage& image, float x, float y, float scale, int step) {
    const TGrid f{x, y, scale};
    const float phase =
        2.0F * static_cast<float>(std::numbers::pi) * static_cast<float>(step) / legFrameCount;
    const TColour leg = shadeOf(palette::skin);
    // The back leg first, so the front one overlaps it.
    for (const int k : {1, 0}) {
        const float a = phase + static_cast<float>(k) * static_cast<float>(std::numbers::pi);
        const float hip = k == 0 ? 9.6F : 6.4F;
        const float footX = hip + 2.8F * std::sin(a);
        const float lift = 3.6F * std::max(0.0F, std::sin(a)) * std::max(0.0F, std::cos(a));
        const TColour tint = k == 1 ? scaled(leg, 0.9F) : leg;
        drawToned(image, capsule(f.at(hip, 4.0F), f.at(footX, 16.4F - lift), f.len(2.0F)), f.tone(tint));
        drawToned(image, ellipse(f.at(footX + 1.2F, 18.3F - lift), f.len(2.9F), f.len(1.75F)),
                  f.tone(k == 1 ? scaled(shoe, 0.85F) : shoe));
    }
}

void drawTumbokHands(TImage& image, float x, float y, float scale) {
    const TGrid f{x, y, scale};
    drawToned(image, circle(f.at(4.0F, 4.2F), f.len(2.1F)), f.tone(scaled(palette::skin, 0.92F)));
    drawToned(image, circle(f.at(14.2F, 4.6F), f.len(2.4F)), f.tone(palette::skin));
}

// Facing left on the left half, facing right on the right half; each frame of a column is mirrored on its
// own.
TImage facingSheet(const TImage& right) {
    TImage sheet(right.width() * 2, right.height());
    sheet.draw(right.mirrored(), 0, 0);
    sheet.draw(right, right.width(), 0);
    return sheet;
}

TImage legsSheet() {
    TImage right(legFrameWidth, legFrameHeight * legFrameCount);
    for (int step = 0; step < legFrameCount; ++step) {
        drawTumbokLegs(right, 0.0F, static_cast<float>(step * legFrameHeight), 1.0F, step);
    }
    return facingSheet(right);
}

TImage bodySheet() {
    TImage right(bodyWidth, bodyHeight);
    drawTumbokBody(right, 0.0F, 0.0F, 1.0F);
    return facingSheet(right);
}

TImage emptyHands() {
    TImage hands(18, 9);
    drawTumbokHands(hands, 0.0F, 0.0F, 1.0F);
    return hands;
}

// A rounded headstone with a little mound, and a pole on which the team flag is stamped at half-mast.
TImage grave() {
    TImage image(30, 40);
    drawToned(image, ellipse({13.0F, 37.5F}, 12.5F, 3.6F), {palette::soil, 1.0F});
    drawToned(image, capsule({11.2F, 12.0F}, {11.2F, 37.0F}, 0.9F), {palette::wood, 1.0F});
    drawToned(image, circle({11.2F, 11.0F}, 1.6F), {palette::hazard, 1.0F});
    const TShape headstone =
        unite(circle({5.6F, 16.0F}, 5.0F), roundedBox({0.6F, 16.0F, 10.6F, 37.0F}, 1.0F));
    drawToned(image, headstone, {stoneGrey, 1.0F});
    // An engraved cross.
    const TColour groove = withAlpha(shadeOf(shadeOf(stoneGrey)), 0.9F);
    fillShape(image, roundedBox({4.8F, 15.0F, 6.4F, 27.0F}, 0.5F), groove);
    fillShape(image, roundedBox({2.6F, 18.0F, 8.6F, 19.6F}, 0.5F), groove);
    return image;
}
} // namespace

void drawTumbokBody(TImage& image, float x, float y, float scale) {
    const TGrid f{x, y, scale};
    const TShape head = circle(f.at(8.3F, 10.0F), f.len(7.0F));
    const TShape belly = ellipse(f.at(8.0F, 24.0F), f.len(7.4F), f.len(10.0F));
    const TShape sprout = capsule(f.at(7.6F, 4.0F), f.at(9.8F, 1.2F), f.len(1.2F));
    drawToned(image, smoothUnite(unite(head, sprout), belly, f.len(3.0F)), f.tone(palette::skin));
    // The lighter belly patch and the cheek.
    fillShape(image, ellipse(f.at(9.0F, 25.4F), f.len(4.3F), f.len(6.0F)),
              withAlpha(highlightOf(palette::skin), 0.85F));
    fillShape(image, ellipse(f.at(13.0F, 14.2F), f.len(1.4F), f.len(0.9F)), cheek);
    // Big eyes looking the way it faces.
    for (const float ex : {7.2F, 12.2F}) {
        drawToned(image, ellipse(f.at(ex, 9.0F), f.len(2.5F), f.len(3.3F)),
                  {palette::white, std::max(0.55F, 0.4F * scale), f.len(0.8F), f.len(0.3F)});
        fillShape(image, ellipse(f.at(ex + 1.0F, 9.8F), f.len(1.1F), f.len(1.5F)), palette::outline);
    }
    // A small smile under the eyes.
    const TPoint mouthTop = f.at(0.0F, 14.0F);
    const TPoint mouthBottom = f.at(16.0F, 18.0F);
    strokeShape(image,
                intersect(circle(f.at(10.4F, 13.2F), f.len(2.0F)),
                          roundedBox({mouthTop.x, mouthTop.y, mouthBottom.x, mouthBottom.y}, 0.0F)),
                palette::outline, std::max(0.7F, 0.4F * scale));
}

void drawTumbok(TImage& image, float x, float y, float scale, int step) {
    drawTumbokLegs(image, x, y + 26.0F * scale, scale, step);
    drawTumbokBody(image, x, y, scale);
    drawTumbokHands(image, x - 1.0F * scale, y + 12.0F * scale, scale);
}

void addTumbokPictures(TPictureSet& set) {
    set.push_back({"game-images", dataFile::tumbokLegs, legsSheet(), TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::tumbokBellyHead, bodySheet(), TPngKind::PngAlpha});
    const TImage hands = emptyHands();
    set.push_back({"game-images", dataFile::handsRight, hands, TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::handsLeft, hands.mirrored(), TPngKind::PngAlpha});
    set.push_back({"game-images", dataFile::tumbokDead, grave(), TPngKind::PngAlpha});
}
