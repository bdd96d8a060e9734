#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"

#include <gtest/gtest.h>

namespace {

// A strip whose every cell is transparent but for one opaque pixel at (1, 0) whose red channel is the code.
SurfacePtr codedStrip(int height) {
    const int cell = 3 * height / 4;
    SurfacePtr strip = createSurface(95 * cell, height, true);
    fillSurface(strip.get(), {0, 0, 0, 0});
    for (int code = 32; code <= 126; ++code) {
        setPixel(strip.get(), (code - 32) * cell + 1, 0, {static_cast<Uint8>(code), 0, 0, 255});
    }
    return strip;
}

TFont testFont() {
    return TFont(codedStrip(32), codedStrip(21), codedStrip(16));
}

} // namespace

TEST(Font, CellsAreThreeQuartersOfTheHeight) {
    const TFont font = testFont();
    EXPECT_EQ(font.charSize(TSize::SizeSmall).w, 12);
    EXPECT_EQ(font.charSize(TSize::SizeSmall).h, 16);
    EXPECT_EQ(font.charSize(TSize::SizeMedium).w, 15);
    EXPECT_EQ(font.charSize(TSize::SizeBig).w, 24);
    EXPECT_EQ(font.charRect('W', TSize::SizeSmall).x, 660);
    EXPECT_EQ(font.charRect('\t', TSize::SizeSmall).x, 0);
    EXPECT_EQ(font.charRect('\xE9', TSize::SizeSmall).x, 0);
    EXPECT_EQ(font.charRect('~', TSize::SizeSmall).x, 94 * 12);
}

TEST(Font, TextSizeCountsTheLongestLineAndEveryLine) {
    const TFont font = testFont();
    const SDL_Rect wind = font.textSize("Wind", TSize::SizeSmall);
    EXPECT_EQ(wind.w, 48);
    EXPECT_EQ(wind.h, 16);
    const SDL_Rect twoLines = font.textSize("a\nbcd", TSize::SizeSmall);
    EXPECT_EQ(twoLines.w, 36);
    EXPECT_EQ(twoLines.h, 32);
    EXPECT_EQ(font.textSize("", TSize::SizeSmall).w, 0);
    EXPECT_EQ(font.textSize("", TSize::SizeSmall).h, 16);
    EXPECT_EQ(font.textSize("ab\n", TSize::SizeSmall).h, 32);
    EXPECT_EQ(font.textSize("a\tb", TSize::SizeSmall).w, 36);
}

TEST(Font, RenderPlacesEachGlyphInItsCellOnATransparentBackground) {
    const TFont font = testFont();
    const SurfacePtr text = font.renderText("a\nb\tc", TSize::SizeSmall, 0);
    ASSERT_EQ(text->w, 36);
    ASSERT_EQ(text->h, 32);
    EXPECT_EQ(pixelAt(text.get(), 1, 0), (TRgba{'a', 0, 0, 255}));
    EXPECT_EQ(pixelAt(text.get(), 1, 16), (TRgba{'b', 0, 0, 255}));
    EXPECT_EQ(pixelAt(text.get(), 12 + 1, 16).a, 255); // the tab draws the blank cell, which is coded too
    EXPECT_EQ(pixelAt(text.get(), 12 + 1, 16).r, ' ');
    EXPECT_EQ(pixelAt(text.get(), 24 + 1, 16), (TRgba{'c', 0, 0, 255}));
    EXPECT_EQ(pixelAt(text.get(), 0, 0).a, 0);
    EXPECT_EQ(pixelAt(text.get(), 13, 0).a, 0); // second column of the first line is empty
}

TEST(Font, MissingStripsRenderNothingButStillWork) {
    const TFont font(createSurface(0, 0, true), createSurface(0, 0, true), createSurface(0, 0, true));
    EXPECT_EQ(font.charSize(TSize::SizeBig).w, 0);
    const SurfacePtr text = font.renderText("Hello", TSize::SizeBig, 0);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->w, 0);
    EXPECT_EQ(text->h, 0);
}
