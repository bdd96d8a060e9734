#include "widget_test_support.hpp"
#include "widgets/u_widgets_numeric.hpp"
#include "widgets/u_widgets_progress_bar.hpp"

#include <climits>

namespace {

constexpr TRgb markRed{255, 0, 0};
constexpr TRgb levelRed{220, 0, 0};
constexpr TRgb levelOrange{220, 96, 0};
constexpr TRgb levelGreen{0, 220, 0};
constexpr TRgb levelBlue{0, 110, 220};

TRgb halfwayToWhite(TRgb colour) {
    return {(colour.red + 255) / 2, (colour.green + 255) / 2, (colour.blue + 255) / 2};
}

// The shot-power gauge of the game screen: 500 x 25, margin 2, maximum 2500; inside 496 x 21.
TWidgetProgressBar powerGauge() {
    return TWidgetProgressBar(0, 2500, 500, 25, 2, true);
}

using GaugeTest = WidgetTest;
using NumberFieldTest = WidgetTest;

} // namespace

TEST_F(GaugeTest, FillsInProportionWithALighterUpperHalf) {
    TWidgetProgressBar gauge = powerGauge();
    gauge.setValue(1250); // 1250 x 496 div 2500 = 248 pixels, from x 2 to 249
    SDL_Surface* picture = gauge.surface.get();
    expectColourAt(picture, halfwayToWhite(levelGreen), {{2, 2}, {249, 11}});
    expectColourAt(picture, levelGreen, {{249, 12}, {249, 22}});
    expectColourAt(picture, black, {{250, 12}, {1, 12}, {100, 1}, {100, 23}});

    gauge.addValue(125); // 1375 x 496 div 2500 = 272
    EXPECT_EQ(gauge.value, 1375);
    EXPECT_EQ(pixelAt(picture, 273, 12), levelGreen);
    EXPECT_EQ(pixelAt(picture, 274, 12), black);
}

TEST_F(GaugeTest, ClampsItsValueAndColoursByLevel) {
    TWidgetProgressBar gauge = powerGauge();
    const struct {
        int value;
        TRgb colour;
    } levels[] = {{0, levelRed},       {624, levelRed},    {625, levelOrange},
                  {1249, levelOrange}, {1250, levelGreen}, {2499, levelGreen},
                  {2500, levelBlue},   {-5, levelRed},     {3000, levelBlue}};
    for (const auto& level : levels) {
        gauge.setValue(level.value);
        EXPECT_EQ(gauge.value, std::clamp(level.value, 0, 2500)) << level.value;
        EXPECT_EQ(pixelAt(gauge.surface.get(), 2, 20), gauge.value > 0 ? level.colour : black) << level.value;
    }
    EXPECT_EQ(pixelAt(gauge.surface.get(), 497, 12), levelBlue); // full: the whole inside
    EXPECT_EQ(pixelAt(gauge.surface.get(), 498, 12), black);

    TWidgetProgressBar plain(0, 100, 40, 6, 1, false);
    plain.setValue(10);
    EXPECT_EQ(pixelAt(plain.surface.get(), 1, 3), (TRgb{160, 160, 160}));
    EXPECT_EQ(pixelAt(plain.surface.get(), 1, 1), halfwayToWhite({160, 160, 160}));
}

TEST_F(GaugeTest, ShowsTheMarkOnlyBeyondTheBarAndOnlyWhenPositive) {
    TWidgetProgressBar gauge = powerGauge();
    gauge.setValue(1000);
    gauge.setMark(true);
    gauge.setValue(500); // bar to x 100, mark at 1000 x 496 div 2500 + 2 = 200
    EXPECT_EQ(gauge.mark, 1000);
    expectColourAt(gauge.surface.get(), markRed, {{200, 2}, {200, 22}});
    expectColourAt(gauge.surface.get(), black, {{201, 12}, {199, 12}});

    gauge.setValue(1500); // the bar covers the mark
    EXPECT_EQ(pixelAt(gauge.surface.get(), 200, 12), levelGreen);

    gauge.setValue(0);
    gauge.setMark(true);
    gauge.draw();
    EXPECT_EQ(gauge.mark, 0);
    EXPECT_EQ(pixelAt(gauge.surface.get(), 2, 12), black);

    gauge.setValue(1000);
    gauge.setMark(true);
    gauge.setMark(false);
    gauge.setValue(10);
    EXPECT_EQ(pixelAt(gauge.surface.get(), 200, 12), black);
}

TEST_F(GaugeTest, VerticalGaugeGrowsFromTheBottomWithALighterLeftHalf) {
    // The information bar's team column: 20 x 55, margin 1, inside 18 x 53.
    TWidgetProgressBar column(0, 300, 20, 55, 1, true);
    column.horizontal = false;
    column.setValue(150); // 150 x 53 div 300 = 26 rows, from y 28 to 53
    SDL_Surface* picture = column.surface.get();
    expectColourAt(picture, halfwayToWhite(levelGreen), {{1, 28}, {9, 53}});
    expectColourAt(picture, levelGreen, {{10, 28}, {18, 53}});
    expectColourAt(picture, black, {{10, 27}, {10, 54}, {19, 40}});

    column.setMark(true);
    column.setValue(30); // bar of 5 rows; the mark's line lies just above a 26-row bar
    EXPECT_EQ(pixelAt(picture, 10, 27), markRed);
    EXPECT_EQ(pixelAt(picture, 10, 49), levelRed);
    EXPECT_EQ(pixelAt(picture, 10, 48), black);
}

TEST_F(GaugeTest, DegenerateSizesAndMaximumsDrawOnlyTheBackground) {
    TWidgetProgressBar noMaximum(10, 0, 40, 6, 1, true);
    EXPECT_EQ(noMaximum.value, 0);
    EXPECT_EQ(pixelAt(noMaximum.surface.get(), 1, 3), black);
    noMaximum.setMark(true);
    noMaximum.addValue(INT_MAX);
    EXPECT_EQ(noMaximum.value, 0);

    TWidgetProgressBar wideMargin(50, 100, 30, 10, 20, true);
    EXPECT_EQ(pixelAt(wideMargin.surface.get(), 15, 5), black);

    TWidgetProgressBar huge(INT_MAX, INT_MAX, 500, 25, 2, true);
    EXPECT_EQ(pixelAt(huge.surface.get(), 497, 12), levelBlue);
    huge.addValue(INT_MAX);
    EXPECT_EQ(huge.value, INT_MAX);
}

TEST_F(NumberFieldTest, StepsWithKeysAndButtonsWithinItsRange) {
    std::int32_t teams = 3;
    TWidgetNumeric field(150, 200, "Teams :", 2, 4, &teams, font());
    field.setPosition(62, 300);
    EXPECT_EQ(field.widgetType, TWidgetType::WidgetNumeric);
    // Less at (0, 151), More right above it at (0, 127), both 150 x 24.
    EXPECT_EQ(field.lessButton->rect.y, 151);
    EXPECT_EQ(field.moreButton->rect.y, 127);

    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_UP)));
    EXPECT_EQ(teams, 4);
    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_UP)));
    EXPECT_EQ(teams, 4);
    EXPECT_TRUE(field.handleEvent(mouseDown(62 + 10, 300 + 160)));
    EXPECT_EQ(teams, 3);
    EXPECT_TRUE(field.handleEvent(mouseDown(62 + 150, 300 + 127)));
    EXPECT_EQ(teams, 4);
    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_DOWN)));
    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_DOWN)));
    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_DOWN)));
    EXPECT_EQ(teams, 2);

    EXPECT_FALSE(field.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(field.handleEvent(keyDown(SDLK_LEFT)));
    EXPECT_FALSE(field.handleEvent(keyUp(SDLK_UP)));
    EXPECT_FALSE(field.handleEvent(mouseDown(62 + 10, 300 + 50))); // on the label, not on a button
    EXPECT_FALSE(field.handleEvent(mouseDown(61, 300 + 160)));     // left of the field
    EXPECT_FALSE(field.handleEvent(mouseDown(10, 10)));
    EXPECT_EQ(teams, 2);
}

TEST_F(NumberFieldTest, RightClickAndControlStepByTen) {
    std::int32_t boxes = 15;
    TWidgetNumeric field(200, 200, "BoomBoxes :", 0, 100, &boxes, font());
    EXPECT_TRUE(field.handleEvent(mouseDown(20, 160, SDL_BUTTON_RIGHT)));
    EXPECT_EQ(boxes, 5);
    EXPECT_TRUE(field.handleEvent(mouseDown(20, 130, SDL_BUTTON_RIGHT)));
    EXPECT_EQ(boxes, 15);
    EXPECT_TRUE(field.handleEvent(mouseDown(20, 130, SDL_BUTTON_WHEELDOWN)));
    EXPECT_EQ(boxes, 16);
    boxes = 3;
    {
        const ScopedControlKey control;
        EXPECT_TRUE(field.handleEvent(keyDown(SDLK_DOWN)));
        EXPECT_EQ(boxes, 0);
        field.setValue(95);
        EXPECT_TRUE(field.handleEvent(keyDown(SDLK_UP)));
        EXPECT_EQ(boxes, 100);
    }
    EXPECT_TRUE(field.handleEvent(keyDown(SDLK_DOWN)));
    EXPECT_EQ(boxes, 99);
}

TEST_F(NumberFieldTest, RangeChangesClampTheBoundValueAtOnce) {
    std::int32_t ai = 0;
    TWidgetNumeric field(150, 200, "AI :", 0, 4, &ai, font());
    ai = 3;
    field.setRange(0, 1);
    EXPECT_EQ(ai, 1);
    EXPECT_EQ(field.getValue(), 1);
    field.setRange(5, 2); // inverted: the minimum wins
    EXPECT_EQ(ai, 5);

    std::int32_t fromMissingConfig = 0;
    TWidgetNumeric tumboks(150, 200, "Tumboks :", 1, 300, &fromMissingConfig, font());
    EXPECT_EQ(fromMissingConfig, 1);

    std::int32_t extreme = INT_MAX;
    TWidgetNumeric wide(150, 200, "N :", INT_MIN, INT_MAX, &extreme, font());
    EXPECT_TRUE(wide.handleEvent(keyDown(SDLK_UP)));
    EXPECT_EQ(extreme, INT_MAX);
    wide.setValue(INT_MIN);
    EXPECT_TRUE(wide.handleEvent(mouseDown(20, 160, SDL_BUTTON_RIGHT)));
    EXPECT_EQ(extreme, INT_MIN);
}

TEST_F(NumberFieldTest, DrawsTheValueBesideTheLabel) {
    std::int32_t tumboks = 4;
    TWidgetNumeric field(150, 200, "Tumboks :", 1, 300, &tumboks, font());
    // "Tumboks :" is 81 pixels wide; the value starts 10 pixels after it, at y = (200 - 12) div 2.
    EXPECT_EQ(field.valueRect.x, 91);
    EXPECT_EQ(field.valueRect.y, 94);
    SDL_Surface* picture = field.surface.get();
    expectColourAt(picture, white, {{0, 94}, {80, 105}, {91, 94}});
    expectColourAt(picture, black, {{85, 94}, {100, 94}}); // "4": one glyph
    EXPECT_TRUE(field.handleEvent(mouseDown(5, 140, SDL_BUTTON_RIGHT)));
    EXPECT_EQ(tumboks, 14);
    EXPECT_EQ(pixelAt(picture, 100, 94), white); // "14": two glyphs
    EXPECT_EQ(pixelAt(picture, 109, 94), black);
}
