// Runs the data generator itself: the same bytes on every run, and a clear failure when it cannot write.
#include "data/map_standard.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace {
namespace fs = std::filesystem;

std::map<std::string, std::string> readTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = readFile(entry.path());
        }
    }
    return files;
}

// Runs "assetgen --KIND STYLE --seed SEED --size SIZE FILE" with its errors into log; gives the exit status.
int generateMap(const std::string& kind, const std::string& style, const std::string& seed,
                const std::string& size, const fs::path& file, const fs::path& log) {
    const std::string command = "./assetgen --" + kind + " '" + style + "' --seed '" + seed + "' --size '" +
                                size + "' '" + file.string() + "' 2> '" + log.string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Two seeds at two sizes: one large enough to count the places to stand, and the smallest allowed.
constexpr std::pair<const char*, const char*> seedsAndSizes[] = {{"1", "1600x1000"}, {"2", "800x600"}};
} // namespace

TEST(AssetgenRuns, TwoRunsWriteIdenticalBytesForEveryFile) {
    const TTempDir first;
    const TTempDir second;
    ASSERT_EQ(std::system(("./assetgen " + (first.path() / "data").string()).c_str()), 0);
    ASSERT_EQ(std::system(("./assetgen " + (second.path() / "data").string()).c_str()), 0);
    const auto a = readTree(first.path());
    const auto b = readTree(second.path());
    ASSERT_GT(a.size(), 50U);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.contains(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between two runs";
        EXPECT_EQ(name.find(".part"), std::string::npos) << "left-over temporary " << name;
    }
}

TEST(AssetgenRuns, AnUnwritableTargetFailsNamingTheFile) {
    const TTempDir scratch;
    const fs::path blocker = scratch.path() / "blocker";
    std::ofstream(blocker) << "a file where a directory should be";
    const fs::path log = scratch.path() / "stderr.txt";
    const int status =
        std::system(("./assetgen " + (blocker / "data").string() + " 2> " + log.string()).c_str());
    EXPECT_NE(status, 0);
    const std::string message = readFile(log);
    EXPECT_NE(message.find(blocker.string()), std::string::npos) << message;
}

TEST(AssetgenRuns, AnOptionItDoesNotKnowIsRefusedNotTakenForAFolder) {
    const TTempDir scratch;
    const std::string inScratch =
        "cd '" + scratch.path().string() + "' && '" + fs::absolute("assetgen").string();
    const int help = std::system((inScratch + "' --help > out.txt").c_str());
    ASSERT_TRUE(WIFEXITED(help));
    EXPECT_EQ(WEXITSTATUS(help), 0);
    EXPECT_EQ(readFile(scratch.path() / "out.txt").rfind("usage: assetgen", 0), 0U);
    const int bogus = std::system((inScratch + "' --bogus 2> err.txt").c_str());
    ASSERT_TRUE(WIFEXITED(bogus));
    EXPECT_EQ(WEXITSTATUS(bogus), 2);
    EXPECT_EQ(readFile(scratch.path() / "err.txt").rfind("usage: assetgen", 0), 0U);
    EXPECT_FALSE(fs::exists(scratch.path() / "--help"));
    EXPECT_FALSE(fs::exists(scratch.path() / "--bogus"));
}

TEST(AssetgenRuns, PlayerMapsOfEveryStyleMeetTheStandardOfTheShippedOnes) {
    const TTempDir scratch;
    const fs::path log = scratch.path() / "stderr.txt";
    for (const char* style : {"hills", "peaks", "mesas", "islands", "caves"}) {
        for (const auto& [seed, size] : seedsAndSizes) {
            const fs::path file = scratch.path() / (std::string("fore_") + style + seed + ".png");
            ASSERT_EQ(generateMap("terrain", style, seed, size, file, log), 0) << readFile(log);
            const SurfacePtr terrain =
                loadImage(file.string(), TImageConversion::ConversionAlpha, mapPictureBound);
            EXPECT_EQ(std::to_string(terrain->w) + "x" + std::to_string(terrain->h), size) << file;
            expectTerrainStandard(terrain.get(), file.string());
        }
    }
    for (const char* style : {"day", "sunset", "night"}) {
        for (const auto& [seed, size] : seedsAndSizes) {
            const fs::path file = scratch.path() / (std::string("back_") + style + seed + ".png");
            ASSERT_EQ(generateMap("sky", style, seed, size, file, log), 0) << readFile(log);
            const SurfacePtr sky =
                loadImage(file.string(), TImageConversion::ConversionNone, mapPictureBound);
            EXPECT_EQ(std::to_string(sky->w) + "x" + std::to_string(sky->h), size) << file;
            EXPECT_EQ(sky->format->Amask, 0U) << file << " must be opaque";
        }
    }
}

TEST(AssetgenRuns, PlayerMapsFollowTheSeedAndBadArgumentsLeaveNoFile) {
    const TTempDir scratch;
    const fs::path log = scratch.path() / "stderr.txt";
    const fs::path first = scratch.path() / "first.png";
    const fs::path again = scratch.path() / "again.png";
    const fs::path other = scratch.path() / "other.png";
    ASSERT_EQ(generateMap("terrain", "mesas", "7", "800x600", first, log), 0);
    ASSERT_EQ(generateMap("terrain", "mesas", "7", "800x600", again, log), 0);
    ASSERT_EQ(generateMap("terrain", "mesas", "8", "800x600", other, log), 0);
    EXPECT_TRUE(readFile(first) == readFile(again)) << "the same seed must give the same bytes";
    EXPECT_FALSE(readFile(first) == readFile(other)) << "another seed must give another map";

    struct TBadRun {
        const char* kind;
        const char* style;
        const char* seed;
        const char* size;
        fs::path file;
    };
    const fs::path target = scratch.path() / "bad.png";
    const TBadRun badRuns[] = {
        {"terrain", "volcano", "1", "800x600", target},
        {"sky", "dawn", "1", "800x600", target},
        {"terrain", "hills", "-1", "800x600", target},
        {"terrain", "hills", "1", "799x600", target},
        {"terrain", "hills", "1", "8193x600", target},
        {"terrain", "hills", "1", "800x4097", target},
        {"sky", "day", "1", "800 by 600", target},
        {"terrain", "hills", "1", "800x600", scratch.path() / "no" / "x.png"},
        {"terrain", "hills", "1", "800x600", scratch.path()},
    };
    for (const TBadRun& bad : badRuns) {
        const std::string what = std::string(bad.kind) + " " + bad.style + " " + bad.seed + " " + bad.size +
                                 " " + bad.file.string();
        EXPECT_EQ(generateMap(bad.kind, bad.style, bad.seed, bad.size, bad.file, log), 2) << what;
        const std::string message = readFile(log);
        EXPECT_EQ(message.find('\n'), message.size() - 1) << what << " must say one line: " << message;
        EXPECT_FALSE(fs::exists(target)) << what;
        EXPECT_FALSE(fs::exists(scratch.path() / "no")) << what;
        EXPECT_FALSE(fs::exists(target.string() + ".part")) << what;
    }
}

// Laid out as a player's own install: bin/morvatek a link into the game's folder, which holds data/.
TEST(AssetgenRuns, AFileNamedWithoutAFolderGoesToTheMapsOfTheGameBesideIt) {
    const TTempDir scratch;
    const fs::path root = fs::canonical(scratch.path());
    fs::create_directories(root / "bin");
    fs::create_directories(root / "lib" / "morvatek" / "data");
    fs::create_directories(root / "elsewhere");
    fs::copy_file("assetgen", root / "bin" / "morvatek-mapgen");
    std::ofstream(root / "lib" / "morvatek" / "morvatek") << "the game";
    fs::create_symlink("../lib/morvatek/morvatek", root / "bin" / "morvatek");

    const std::string run = "cd '" + (root / "elsewhere").string() + "' && ../bin/morvatek-mapgen ";
    const fs::path maps = root / "lib" / "morvatek" / "data" / "maps";
    ASSERT_EQ(std::system((run + "--sky day --seed 1 --size 800x600 back_mine.png > out.txt 2>&1").c_str()),
              0)
        << readFile(root / "elsewhere" / "out.txt");
    EXPECT_TRUE(fs::is_regular_file(maps / "back_mine.png"));
    EXPECT_FALSE(fs::exists(root / "elsewhere" / "back_mine.png"));
    EXPECT_EQ(readFile(root / "elsewhere" / "out.txt"), "Wrote " + (maps / "back_mine.png").string() + "\n");

    ASSERT_EQ(std::system((run + "--help > help.txt").c_str()), 0);
    EXPECT_NE(readFile(root / "elsewhere" / "help.txt").find(" " + maps.string() + ","), std::string::npos)
        << readFile(root / "elsewhere" / "help.txt");
}
