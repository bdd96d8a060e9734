#include "physics/u_physics_data.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_resource_paths.hpp"
#include "support/png_files.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL_image.h>

#include <cstdint>
#include <string>
#include <utility>

TEST(ResourcePaths, AreBuiltUnderTheDataDirectory) {
    EXPECT_EQ(joinPath("a", "b"), "a/b");
    EXPECT_EQ(dataPath("maps", "back_day.png"), "data/maps/back_day.png");
    EXPECT_EQ(dataPath("game-images", flagFileName(0, TFlagSize::FlagSizeBig)),
              "data/game-images/flags-0-0.png");
    EXPECT_EQ(flagFileName(12, TFlagSize::FlagSizeSmall), "flags-12-1.png");
    EXPECT_EQ(flagFileName(-1, TFlagSize::FlagSizeSmall), "flags--1-1.png");
}

TEST(ImageLoader, MissingOrBrokenPicturesAreReportedAndStandInAsEmpty) {
    TTempDir dir;
    dir.write("data/game-images/text.png", "this is not a picture");
    std::string truncated = "\x89PNG\r\n\x1a\n";
    truncated += std::string(20, '\0');
    dir.write("data/other-images/cut.png", truncated);
    const TWorkingDirectory inside(dir.path());

    const TDiagnosticCapture captured;
    const SurfacePtr missing = loadGameImage("abc.png");
    const SurfacePtr garbage = loadGameImage("text.png");
    const SurfacePtr cut = loadOtherImage("cut.png", TImageConversion::ConversionOpaque);
    const SurfacePtr empty = loadImage("", TImageConversion::ConversionAlpha);
    EXPECT_EQ(captured.text(), "Loading data/game-images/abc.png failed.\n"
                               "Loading data/game-images/text.png failed.\n"
                               "Loading data/other-images/cut.png failed.\n"
                               "Loading  failed.\n");
    for (const SurfacePtr* surface : {&missing, &garbage, &cut, &empty}) {
        ASSERT_NE(surface->get(), nullptr);
        EXPECT_EQ((*surface)->w, 0);
        EXPECT_EQ((*surface)->h, 0);
    }
}

TEST(ImageLoader, ConversionFollowsTheFlagsWithOpaqueWinning) {
    TTempDir dir;
    SDL_Surface* picture = SDL_CreateRGBSurface(0, 3, 2, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    ASSERT_EQ(SDL_SaveBMP(picture, (dir / "p.bmp").c_str()), 0);
    SDL_FreeSurface(picture);
    const std::string path = (dir / "p.bmp").string();

    const SurfacePtr both =
        loadImage(path, TImageConversion::ConversionOpaque | TImageConversion::ConversionAlpha);
    const SurfacePtr alpha = loadImage(path, TImageConversion::ConversionAlpha);
    const SurfacePtr raw = loadImage(path, TImageConversion::ConversionNone);
    EXPECT_EQ(both->format->Amask, 0u);
    EXPECT_EQ(both->format->Rmask, SDL_GetVideoSurface()->format->Rmask);
    EXPECT_NE(alpha->format->Amask, 0u);
    EXPECT_EQ(alpha->w, 3);
    EXPECT_EQ(raw->h, 2);
}

TEST(ImageLoader, MissingSoundsAndMusicAreSilentNulls) {
    TTempDir dir;
    const TWorkingDirectory inside(dir.path());
    const TDiagnosticCapture captured;
    EXPECT_EQ(loadSound(dataFile::jumpSound), nullptr);
    EXPECT_EQ(loadMusic(dataFile::gameMusic), nullptr);
    EXPECT_EQ(captured.text(), "");
}

TEST(ImageLoader, MapPicturesOfEveryPngKindAreSolidWhereTheirAlphaSays) {
    TTempDir dir;
    dir.write("data/maps/.keep", "");
    const TWorkingDirectory inside(dir.path());
    // Alpha levels on both sides of the solid threshold, in a pattern that the interlaced passes split up;
    // and a plain cut-out, which a palette picture keeps as one transparent colour.
    const auto levels = [](int x, int y) {
        constexpr std::uint8_t alphas[] = {0, 100, 127, 128, 200, 255};
        return alphas[(x + 2 * y) % 6];
    };
    const auto cutOut = [](int x, int y) { return static_cast<std::uint8_t>((x * y) % 3 == 0 ? 0 : 255); };
    for (const auto& [pattern, alphaAt] :
         {std::pair<const char*, std::uint8_t (*)(int, int)>{"levels", levels},
          std::pair<const char*, std::uint8_t (*)(int, int)>{"cut", cutOut}}) {
        for (const TPngLayout layout :
             {TPngLayout::Rgba8, TPngLayout::Palette, TPngLayout::Grey8, TPngLayout::GreyAlpha8,
              TPngLayout::Rgba16, TPngLayout::Rgba8Interlaced}) {
            const std::string name =
                std::string("fore_") + pattern + std::to_string(static_cast<int>(layout)) + ".png";
            writePng(dataPath("maps", name), layout, 13, 11, alphaAt);
            const SurfacePtr terrain = loadMapImage(name, TImageConversion::ConversionAlpha);
            ASSERT_EQ(terrain->w, 13) << name;
            ASSERT_EQ(terrain->h, 11) << name;
            const TTerrainReader reader(terrain.get());
            for (int y = 0; y < 11; ++y) {
                for (int x = 0; x < 13; ++x) {
                    // A picture without alpha is opaque: all of it is ground.
                    const bool solid = layout == TPngLayout::Grey8 || alphaAt(x, y) >= 128;
                    EXPECT_EQ(reader.solidAt(x, y), solid) << name << " at " << x << ", " << y;
                }
            }
        }
    }

    // Larger than a map may be: refused from its header, like a broken picture.
    writePng(dataPath("maps", "fore_wide.png"), TPngLayout::Grey8, mapMaxWidth + 1, 1, cutOut);
    EXPECT_EQ(pngSize(dataPath("maps", "fore_wide.png"))->width, mapMaxWidth + 1);
    const TDiagnosticCapture captured;
    EXPECT_EQ(loadMapImage("fore_wide.png", TImageConversion::ConversionAlpha)->w, 0);
    EXPECT_EQ(captured.text(), "Loading data/maps/fore_wide.png failed.\n");
}
