#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_resource_paths.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL_image.h>

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
