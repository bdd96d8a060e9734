#include "physics/u_physics_data.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_png_header.hpp"
#include "resources/u_resource_paths.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/hostile_pictures.hpp"
#include "support/png_files.hpp"
#include "support/process_memory.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <optional>
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
    const std::string path = (dir / "p.png").string();
    writePng(path, TPngLayout::Rgba8, 3, 2, [](int, int) { return std::uint8_t{255}; });

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

TEST(PngHeader, GivesTheDeclaredSizeOfAPngOnly) {
    const auto header = [](const std::string& chunk, std::uint32_t width, std::uint32_t height) {
        std::string bytes = "\x89PNG\r\n\x1a\n" + std::string("\0\0\0\x0d", 4) + chunk;
        for (const std::uint32_t value : {width, height}) {
            for (const unsigned shift : {24U, 16U, 8U, 0U}) {
                bytes += static_cast<char>((value >> shift) & 0xFFU);
            }
        }
        return bytes;
    };
    const auto sizeOf = [](const std::string& bytes) {
        return pngSizeOf({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
    };
    const std::optional<TPictureSize> usual = sizeOf(header("IHDR", 1600, 1200));
    ASSERT_TRUE(usual);
    EXPECT_EQ(usual->width, 1600);
    EXPECT_EQ(usual->height, 1200);
    // Beyond what the format allows: read as too large for any bound, never as a small or negative size.
    EXPECT_EQ(sizeOf(header("IHDR", 0xFFFFFFFFU, 1))->width, 0x7FFFFFFF);
    EXPECT_FALSE(sizeOf(header("IHDR", 0, 5))) << "no pixels: not a picture";
    EXPECT_FALSE(sizeOf(header("IDAT", 10, 10))) << "a PNG starts with its header chunk";
    EXPECT_FALSE(sizeOf(header("IHDR", 10, 10).substr(0, pngHeaderLength - 1)));
    for (const auto& [format, bytes] : hostile_pictures::all()) {
        EXPECT_FALSE(sizeOf(bytes)) << format;
    }
}

// Each file is decoded only as what the game expects, a PNG: a GIF, TGA, BMP or XPM named .png never reaches
// the decoder of its own format, whatever it declares, and fails like a broken picture.
TEST(ImageLoader, PicturesOfOtherFormatsAreRefusedUnread) {
    TTempDir dir;
    const TWorkingDirectory inside(dir.path());
    auto pictures = hostile_pictures::all();
    // A small, sound BMP too, which a loader that guessed by content would decode.
    const SurfacePtr small = createSurface(4, 4, false);
    ASSERT_EQ(SDL_SaveBMP(small.get(), (dir / "small.bmp").c_str()), 0);
    pictures.emplace_back("small BMP", readFile(dir / "small.bmp"));
    for (const auto& [format, bytes] : pictures) {
        dir.write("data/game-images/explosif.png", bytes);
        dir.write("data/maps/fore_x.png", bytes);
        const TDiagnosticCapture captured;
        EXPECT_EQ(loadGameImage(dataFile::explosif)->w, 0) << format;
        EXPECT_EQ(loadMapImage("fore_x.png", TImageConversion::ConversionAlpha)->w, 0) << format;
        EXPECT_EQ(captured.text(), "Loading data/game-images/explosif.png failed.\n"
                                   "Loading data/maps/fore_x.png failed.\n")
            << format;
    }
}

// A picture that declares more than its bound is refused from its header. The blank PNG takes a few
// kilobytes on disk and 144 MB or more once decoded, so the peak memory of the process shows whether any
// loader decoded it.
TEST(ImageLoader, PicturesOverTheirBoundAreRefusedBeforeDecoding) {
    TTempDir dir;
    const TWorkingDirectory inside(dir.path());
    constexpr int side = 12000;
    static_assert(side > pictureBound.width && side > mapPictureBound.width);
    for (const char* file :
         {"fonts/font_big.png", "game-images/smoke-frames.png", "game-images/flags-0-0.png",
          "other-images/mainmenu-bg.png", "maps/fore_huge.png", "maps/back_huge.png"}) {
        const std::filesystem::path path = dir / "data" / file;
        std::filesystem::create_directories(path.parent_path());
        writeBlankPng(path.string(), side, side);
    }
    ASSERT_TRUE(resetPeakMemory()) << "the peak memory of the process cannot be measured here";
    const long before = peakMemoryKiB();
    const TDiagnosticCapture captured;
    const SurfacePtr refused[] = {
        loadFontImage(dataFile::fontBig),
        loadGameImage(dataFile::smokeFrames),
        loadFlag(0, TFlagSize::FlagSizeBig),
        loadOtherImage(dataFile::mainMenuBackground, TImageConversion::ConversionOpaque),
        loadMapImage("fore_huge.png", TImageConversion::ConversionAlpha),
        loadMapImage("back_huge.png", TImageConversion::ConversionOpaque),
    };
    EXPECT_LT(peakMemoryKiB() - before, 32 * 1024) << "a refused picture was decoded";
    for (const SurfacePtr& surface : refused) {
        EXPECT_EQ(surface->w, 0);
    }
    EXPECT_EQ(captured.text(), "Loading data/fonts/font_big.png failed.\n"
                               "Loading data/game-images/smoke-frames.png failed.\n"
                               "Loading data/game-images/flags-0-0.png failed.\n"
                               "Loading data/other-images/mainmenu-bg.png failed.\n"
                               "Loading data/maps/fore_huge.png failed.\n"
                               "Loading data/maps/back_huge.png failed.\n");

    // Within its bound the same kind of picture is decoded: the refusal comes from the size alone.
    writeBlankPng(dataPath("maps", "fore_wide.png"), mapMaxWidth, 8);
    EXPECT_EQ(loadMapImage("fore_wide.png", TImageConversion::ConversionAlpha)->w, mapMaxWidth);
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
