#include "menus/u_data_maps.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string captureSetlist(TMaps& maps, bool& result) {
    const TDiagnosticCapture captured;
    result = maps.setlist();
    return captured.text();
}

std::vector<std::string> listedFileNames(const TMaps& maps) {
    std::vector<std::string> names;
    for (const TMapImg& image : maps.list) {
        names.push_back(image.filename);
    }
    return names;
}

// Width and height of the terrain thumbnail, then of the background one.
std::array<int, 4> thumbnailSizes(SDL_Surface* terrain, SDL_Surface* background) {
    SurfacePtr terrainThumbnail;
    SurfacePtr backgroundThumbnail;
    makeThumbnails(terrain, background, terrainThumbnail, backgroundThumbnail);
    // A missing thumbnail reads as -1 x -1, which no expected size is.
    if (!terrainThumbnail || !backgroundThumbnail) {
        return {-1, -1, -1, -1};
    }
    return {terrainThumbnail->w, terrainThumbnail->h, backgroundThumbnail->w, backgroundThumbnail->h};
}

} // namespace

TEST(DataMaps, SubStringNeverFails) {
    EXPECT_EQ(subString("fore_basic.png", 5, 5), "basic");
    EXPECT_EQ(subString("abc", 1, 10), "bc");
    EXPECT_EQ(subString("abc", 3, 1), "");
    EXPECT_EQ(subString("abc", 7, 1), "");
    EXPECT_EQ(subString("abc", 0, 0), "");
    EXPECT_EQ(subString("abc", 0, -4), "");
    EXPECT_EQ(subString("", 0, 5), "");
}

TEST(DataMaps, ClassifiesByExactCaseSensitivePrefix) {
    EXPECT_EQ(TMaps::getType("back_day.png"), TMapType::MapBack);
    EXPECT_EQ(TMaps::getType("fore_.png"), TMapType::MapFore);
    EXPECT_EQ(TMaps::getType("Back_x.png"), TMapType::MapInvalid);
    EXPECT_EQ(TMaps::getType("BACK_x.png"), TMapType::MapInvalid);
    EXPECT_EQ(TMaps::getType("back.png"), TMapType::MapInvalid);
    EXPECT_EQ(TMaps::getType("a.png"), TMapType::MapInvalid);

    TMapImg image;
    TMaps::fillImg("back_day.png", image);
    EXPECT_EQ(image.filename, "back_day.png");
    EXPECT_EQ(image.mapType, TMapType::MapBack);
    EXPECT_EQ(image.name, "day");
}

TEST(DataMaps, CataloguesUsableFilesInListingOrder) {
    const TTempDir directory;
    for (const char* name : {"back_day.png", "fore_basic.png", "readme.png", "fore_.png", "BACK_x.png",
                             "back_x.PNG", "a.png", "fore_notes.txt"}) {
        directory.touch(name);
    }
    TMaps maps(directory.path().string());

    // The usable files, with the name and kind each one is catalogued under.
    const std::map<std::string, std::pair<std::string, TMapType>> usable = {
        {"back_day.png", {"day", TMapType::MapBack}},
        {"fore_basic.png", {"basic", TMapType::MapFore}},
        {"fore_.png", {"", TMapType::MapFore}}};
    std::vector<std::string> expected;
    for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
        if (usable.contains(entry.path().filename().string())) {
            expected.push_back(entry.path().filename().string());
        }
    }
    ASSERT_EQ(expected.size(), 3u);
    ASSERT_EQ(listedFileNames(maps), expected);
    for (const TMapImg& image : maps.list) {
        EXPECT_EQ(std::pair(image.name, image.mapType), usable.at(image.filename)) << image.filename;
    }

    // A rescan starts from an empty list.
    bool found = false;
    const std::string output = captureSetlist(maps, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(output, "");
    EXPECT_EQ(maps.list.size(), 3u);
}

TEST(DataMaps, MissingOrEmptyDirectoryGivesTheErrorLineAndAnEmptyCatalogue) {
    const TTempDir directory;
    directory.touch("notes.txt");
    for (const std::string& path : {directory.path().string(), (directory.path() / "missing").string()}) {
        const TDiagnosticCapture captured;
        TMaps maps(path);
        EXPECT_EQ(captured.text(), "u_data_maps/TMaps.setlist ERROR : cannot find first\n");
        EXPECT_TRUE(maps.list.empty());
        bool found = true;
        captureSetlist(maps, found);
        EXPECT_FALSE(found);
    }
}

TEST(DataMaps, OnlyUnusablePicturesSayWhichKindIsMissing) {
    const TTempDir directory;
    directory.touch("readme.png");
    const std::string path = directory.path().string();
    TMaps maps(path);
    bool found = false;
    EXPECT_EQ(captureSetlist(maps, found),
              "u_data_maps/TMaps.setlist WARNING : no background picture in " + path + "\n" +
                  "u_data_maps/TMaps.setlist WARNING : no terrain picture in " + path + "\n");
    EXPECT_TRUE(found);
    EXPECT_TRUE(maps.list.empty());

    directory.touch("back_day.png");
    EXPECT_EQ(captureSetlist(maps, found),
              "u_data_maps/TMaps.setlist WARNING : no terrain picture in " + path + "\n");
}

TEST(DataMaps, SkipsNamesWithControlCharacters) {
    const TTempDir directory;
    directory.touch("fore_evil\nnbAi:9.png");
    directory.touch("back_tab\t.png");
    directory.touch("fore_ok.png");
    directory.touch("back_ok.png");
    const TMaps maps(directory.path().string());
    ASSERT_EQ(maps.list.size(), 2u);
    for (const TMapImg& image : maps.list) {
        EXPECT_EQ(image.name, "ok");
    }
}

TEST(DataMaps, ThumbnailsCoverThePreviewWithTheLargerZoom) {
    const SurfacePtr wide = createSurface(400, 100, true);
    const SurfacePtr tall = createSurface(100, 300, false);
    EXPECT_EQ(thumbnailSizes(wide.get(), tall.get()), (std::array{600, 150, 200, 600}));
    EXPECT_EQ(wide->w, 400); // the sources are left untouched
}

TEST(DataMaps, BrokenPicturesGiveEmptyThumbnails) {
    const SurfacePtr empty = createSurface(0, 0, true);
    const SurfacePtr flat = createSurface(200, 0, false);
    EXPECT_EQ(thumbnailSizes(empty.get(), flat.get()), (std::array{0, 0, 0, 0}));
    EXPECT_EQ(thumbnailSizes(nullptr, nullptr), (std::array{0, 0, 0, 0}));
}

TEST(DataMaps, DefaultCatalogueReadsDataMapsUnderTheWorkingDirectory) {
    const TTempDir directory;
    std::filesystem::create_directories(directory.path() / "data" / "maps");
    directory.touch("data/maps/back_day.png");
    directory.touch("fore_elsewhere.png");
    const TWorkingDirectory inside(directory.path());
    const TMaps maps;
    ASSERT_EQ(maps.list.size(), 1u);
    EXPECT_EQ(maps.list[0].filename, "back_day.png");
}
