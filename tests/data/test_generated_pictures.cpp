// Checks the generated pictures under build/data through the game's own loader: present, decodable,
// with the sizes and layouts the displays cut them by.
#include "data/map_standard.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_resource_paths.hpp"
#include "support/pixels.hpp"

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace {
struct TExpected {
    std::string category;
    std::string name;
    TImageConversion conversion;
};

std::vector<TExpected> expectedPictures() {
    using enum TImageConversion;
    using namespace dataFile;
    std::vector<TExpected> all;
    const auto add = [&all](const char* category, TImageConversion conversion,
                            std::initializer_list<std::string> names) {
        for (const std::string& name : names) {
            all.push_back({category, name, conversion});
        }
    };
    add("fonts", ConversionAlpha, {fontBig, fontMedium, fontSmall});
    add("other-images", ConversionAlpha,
        {icon, iconLarge, logoSmall, itemLocalMatch, itemNetworkMatch, itemSettings, itemQuit});
    add("other-images", ConversionOpaque,
        {loading, mainMenuBackground, optionsBackground, widgetsCross, buttonTop, buttonBottom, optionsMini,
         quitMini, toggleMusic, toggleSounds, toggleFullscreen, toggleScrolling, buttonOk, buttonCancel});
    add("maps", ConversionOpaque, {"back_day.png"});
    add("maps", ConversionAlpha, {"fore_basic.png"});
    add("game-images", ConversionAlpha,
        {smokeFrames, windSockLeft, windSockRight, bigArrow, tumbokLegs, tumbokBellyHead, handsLeft,
         handsRight, tumbokDead, explosionFrames, explosif, escMenuBackground});
    for (const char* picture : {"bow", "bazooka", "grenade"}) {
        add("game-images", ConversionAlpha,
            {weapon(picture, false), weapon(picture, true), projectile(picture)});
    }
    for (int team = 0; team < 4; ++team) {
        add("game-images", ConversionAlpha,
            {flagFileName(team, TFlagSize::FlagSizeBig), flagFileName(team, TFlagSize::FlagSizeSmall)});
    }
    return all;
}

// The names of the generated maps that start with the prefix.
std::vector<std::string> mapFiles(const std::string& prefix) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("data/maps")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix)) {
            names.push_back(name);
        }
    }
    return names;
}

// Pixels with at least the given alpha inside a rectangle; 128 is what the terrain rule calls solid.
int pixelsAbove(SDL_Surface* surface, int x0, int y0, int w, int h, Uint8 minAlpha) {
    int count = 0;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            count += pixelAt(surface, x, y).a >= minAlpha ? 1 : 0;
        }
    }
    return count;
}

int solidPixels(SDL_Surface* surface, int x0, int y0, int w, int h) {
    return pixelsAbove(surface, x0, y0, w, h, 128);
}

bool mirrorsEachOther(SDL_Surface* a, int ax, SDL_Surface* b, int bx, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (rawPixel(a, ax + x, y) != rawPixel(b, bx + w - 1 - x, y)) {
                return false;
            }
        }
    }
    return true;
}
} // namespace

TEST(GeneratedPictures, EveryPictureIsPresentAndDecodesWithItsConversion) {
    for (const TExpected& expected : expectedPictures()) {
        const std::string path = dataPath(expected.category, expected.name);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
        const SurfacePtr image = loadImage(path, expected.conversion);
        EXPECT_GT(image->w, 0) << path;
        EXPECT_GT(image->h, 0) << path;
        // Something must be visible in every picture.
        EXPECT_GT(solidPixels(image.get(), 0, 0, image->w, image->h), 0) << path;
    }
}

TEST(GeneratedPictures, FontStripsHoldNinetyFiveCellsWithGlyphsInPlace) {
    for (const char* name : {dataFile::fontBig, dataFile::fontMedium, dataFile::fontSmall}) {
        const SurfacePtr strip = loadFontImage(name);
        const int cell = static_cast<int>(3.0 * strip->h / 4.0);
        ASSERT_GE(strip->w, 95 * cell) << name;
        EXPECT_EQ(solidPixels(strip.get(), 0, 0, cell, strip->h), 0) << name << ": the blank must be empty";
        for (int code = 33; code <= 126; ++code) {
            EXPECT_GT(solidPixels(strip.get(), (code - 32) * cell, 0, cell, strip->h), 0)
                << name << " has no glyph for code " << code;
        }
    }
    EXPECT_GT(loadFontImage(dataFile::fontBig)->h, loadFontImage(dataFile::fontMedium)->h);
    EXPECT_GT(loadFontImage(dataFile::fontMedium)->h, loadFontImage(dataFile::fontSmall)->h);
}

TEST(GeneratedPictures, TumbokSheetsHaveTheirLayoutAndFeetOnTheGround) {
    const SurfacePtr legs = loadGameImage(dataFile::tumbokLegs);
    ASSERT_EQ(legs->w, 2 * 16);
    ASSERT_EQ(legs->h, 8 * 24);
    for (int step = 0; step < 8; ++step) {
        for (const int column : {0, 16}) {
            EXPECT_GT(solidPixels(legs.get(), column, step * 24, 16, 24), 0) << "step " << step;
            // The body's box ends 19 rows into the leg frame: nothing solid may hang below the ground line.
            EXPECT_EQ(solidPixels(legs.get(), column, step * 24 + 20, 16, 4), 0) << "step " << step;
        }
        EXPECT_TRUE(mirrorsEachOther(legs.get(), 0, legs.get(), 16, 16, 24)) << "step " << step;
    }
    // The standing pose has both feet down.
    EXPECT_GT(solidPixels(legs.get(), 16, 19, 16, 1), 4);

    const SurfacePtr body = loadGameImage(dataFile::tumbokBellyHead);
    ASSERT_EQ(body->w % 2, 0);
    EXPECT_EQ(body->w / 2, 16);
    EXPECT_TRUE(mirrorsEachOther(body.get(), 0, body.get(), body->w / 2, body->w / 2, body->h));
}

TEST(GeneratedPictures, LeftPicturesMirrorTheRightOnes) {
    for (const std::string stem :
         {"weapons-bow", "weapons-bazooka", "weapons-grenade", "weapons-nothing", "wind_sock"}) {
        const SurfacePtr left = loadGameImage(stem + "-left.png");
        const SurfacePtr right = loadGameImage(stem + "-right.png");
        ASSERT_EQ(left->w, right->w) << stem;
        ASSERT_EQ(left->h, right->h) << stem;
        EXPECT_TRUE(mirrorsEachOther(left.get(), 0, right.get(), 0, left->w, left->h)) << stem;
    }
}

TEST(GeneratedPictures, AnimationSheetsStackSixSquareFrames) {
    for (const char* name : {dataFile::explosionFrames, dataFile::smokeFrames}) {
        const SurfacePtr sheet = loadGameImage(name);
        ASSERT_EQ(sheet->h % 6, 0) << name;
        const int frame = sheet->h / 6;
        EXPECT_EQ(frame, sheet->w) << name;
        for (int i = 0; i < 6; ++i) {
            // Smoke thins out in its last frames, but every frame still shows something.
            EXPECT_GT(pixelsAbove(sheet.get(), 0, i * frame, sheet->w, frame, 40), 0)
                << name << " frame " << i;
        }
    }
}

TEST(GeneratedPictures, FourTeamsHaveDistinctFlagsInBothSizes) {
    std::vector<SurfacePtr> big;
    for (int team = 0; team < 4; ++team) {
        SurfacePtr large = loadFlag(team, TFlagSize::FlagSizeBig);
        const SurfacePtr small = loadFlag(team, TFlagSize::FlagSizeSmall);
        EXPECT_GT(large->w, small->w) << team;
        EXPECT_GT(large->h, small->h) << team;
        // Flags are drawn over a black frame of their own rectangle: they must fill it.
        EXPECT_EQ(solidPixels(small.get(), 0, 0, small->w, small->h), small->w * small->h) << team;
        big.push_back(std::move(large));
    }
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(rawPixel(big[a].get(), 2, 2), rawPixel(big[b].get(), 2, 2)) << a << " and " << b;
        }
    }
}

TEST(GeneratedPictures, TerrainsAreLargerThanTheWindowWithPlayableGround) {
    const std::vector<std::string> terrains = mapFiles("fore_");
    EXPECT_GE(terrains.size(), 4U);
    for (const std::string& name : terrains) {
        const SurfacePtr terrain = loadMapImage(name, TImageConversion::ConversionAlpha);
        EXPECT_GT(terrain->w, 800) << name;
        EXPECT_GT(terrain->h, 600) << name;
        const double share = static_cast<double>(solidPixels(terrain.get(), 0, 0, terrain->w, terrain->h)) /
                             (static_cast<double>(terrain->w) * terrain->h);
        EXPECT_GT(share, 0.28) << name;
        EXPECT_LT(share, 0.58) << name;
        expectTerrainStandard(terrain.get(), name);
    }
}

TEST(GeneratedPictures, BackgroundsAreOpaqueAndLargerThanTheWindow) {
    const std::vector<std::string> backgrounds = mapFiles("back_");
    EXPECT_GE(backgrounds.size(), 3U);
    for (const std::string& name : backgrounds) {
        const SurfacePtr decoded = loadMapImage(name, TImageConversion::ConversionNone);
        EXPECT_EQ(decoded->format->Amask, 0U) << name << " must have no alpha channel";
        EXPECT_GT(decoded->w, 800) << name;
        EXPECT_GT(decoded->h, 600) << name;
    }
    for (const char* name : {dataFile::loading, dataFile::mainMenuBackground, dataFile::optionsBackground}) {
        EXPECT_EQ(loadOtherImage(name, TImageConversion::ConversionNone)->format->Amask, 0U) << name;
    }
    EXPECT_EQ(loadOtherImage(dataFile::mainMenuBackground, TImageConversion::ConversionOpaque)->w, 800);
    EXPECT_EQ(loadOtherImage(dataFile::optionsBackground, TImageConversion::ConversionOpaque)->h, 600);
}

TEST(GeneratedPictures, ToggleImagesMatchTheCrossTheyAreCentredBy) {
    const SurfacePtr cross = loadOtherImage(dataFile::widgetsCross, TImageConversion::ConversionOpaque);
    for (const char* name : {dataFile::toggleMusic, dataFile::toggleSounds, dataFile::toggleFullscreen,
                             dataFile::toggleScrolling}) {
        const SurfacePtr item = loadOtherImage(name, TImageConversion::ConversionOpaque);
        EXPECT_EQ(item->w, cross->w) << name;
        EXPECT_EQ(item->h, cross->h) << name;
    }
    // Picture, gap and caption must fit the 150 x 160 toggle.
    EXPECT_LE(cross->w, 150);
    EXPECT_LE(cross->h + 10 + 16, 160);
    // The cross is keyed on black: its corner is black, its centre is not.
    EXPECT_EQ(rawPixel(cross.get(), 0, 0) & 0xFFFFFFU, 0U);
    EXPECT_NE(rawPixel(cross.get(), cross->w / 2, cross->h / 2) & 0xFFFFFFU, 0U);
}
