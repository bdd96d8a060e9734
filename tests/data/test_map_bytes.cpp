// The generator's maps, byte for byte: the shipped ones and a player's maps of every style for three seeds.
// Making the generator faster or leaner must not move a single byte; a changed digest here is a changed map.
// To look at one by hand: assetgen --terrain hills --seed 7 --size 1600x1000 x.png && sha256sum x.png
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

struct TSeedDigest {
    const char* seed;
    const char* sha256;
};

// One style of player's map with the digests of its pictures for three seeds: both ends of the range and
// one between.
struct TStyleDigests {
    const char* kind; // "terrain" or "sky"
    const char* style;
    TSeedDigest seeds[3];
};

// The SHA-256 of each file, as sha256sum prints it.
std::map<std::string, std::string> sha256Of(const std::vector<fs::path>& files) {
    std::string command = "sha256sum";
    for (const fs::path& file : files) {
        command += " '" + file.string() + "'";
    }
    std::map<std::string, std::string> digests;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return digests;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::istringstream fields(line);
        std::string digest;
        std::string name;
        fields >> digest >> name;
        digests[fs::path(name).filename().string()] = digest;
    }
    return digests;
}

constexpr const char* playerSize = "1600x1000";

constexpr TStyleDigests playerMaps[] = {
    {"terrain",
     "hills",
     {{"0", "1eba8cfa44c09ee8019ea60229aed878a54f70963ef50c2d425bc9b8b218dfce"},
      {"7", "10fe7bb33dd592cb1a1079709bda536682428a1a37e75ca78d98124bf479adab"},
      {"4294967295", "5b6b382f0f70851e08e2a76d09252fd14d43baad6869d17e43bd13cac12fb0b6"}}},
    {"terrain",
     "peaks",
     {{"0", "e627159596a83b75c46a35517ec1e891ef12b9c2870ca36acc0c81ccf1f81fd0"},
      {"7", "9f3b0675e862ec99a02462cbcc7dcca93406c7db951d90ae0f3bbbdc6e7d3f15"},
      {"4294967295", "58bcc1ac250cfbb8b2039b5ad14257e44e9b3476c7035b273d4584fc30fd0134"}}},
    {"terrain",
     "mesas",
     {{"0", "20cf53f22a576dce45018d0d4f1070ea9cb563268e9fdad1cef544cf7c11017d"},
      {"7", "eb8830fa63bd00c334d08f8749b49c9949f42ce7f131835748b2106008d16fac"},
      {"4294967295", "94029ca465e0759617f78129217b8a277ffba4c70840305b333288b233e15a3e"}}},
    {"terrain",
     "islands",
     {{"0", "b0170f33c964ae3b1982c50100da90d9053dbec899620ba560a22430196ad3aa"},
      {"7", "4854ba8c85f8edd43e9fe633acd0ba4efc4813bebf72d0ce7ce3394dce26ff7e"},
      {"4294967295", "1d2bfea319d68ae0b34fff8ccdcb8197c2654e59437e2fce4e0d97efcd1fe522"}}},
    {"terrain",
     "caves",
     {{"0", "2e66c3ea115cbf685cc2d0c6474f7751e646c88391387158ed0610c24ca07178"},
      {"7", "929c838f90df81ba42cd6369fa43f050b491d1d5660b728a66c52aa3f53aee8c"},
      {"4294967295", "2d080aa0cf1d5ea2a6fe7d8bc695e6d29d0ddb623589a60a718e05bbfb0a82b1"}}},
    {"sky",
     "day",
     {{"0", "aab75cb55b9e63110c88335b701bc7fa4c61cd15cbd5df8e65bb8419558456c5"},
      {"7", "5ea0b138134b86397db96b72fe7041bb3114f77d873ab12640accad73c826711"},
      {"4294967295", "cb65ec23ff15e938f426849503713f980b8d3d7698c99826fd648eaa84076915"}}},
    {"sky",
     "sunset",
     {{"0", "6a5e794e882fbdaff5dafb5c2477c890010091e9b3704590bbb9eb327cd6d75c"},
      {"7", "3e0d89a5181cc121105132e0a751ed7f7828bcf5a54823b4aae50e7da0909b2b"},
      {"4294967295", "9fd5394565f27ff453d05ad83383835525fbae837996020aa9a625578e96c8c6"}}},
    {"sky",
     "night",
     {{"0", "83bc9e45a99221f13ab4f02370ccc1f8f6109ef0a373c9c9be40a71563c89707"},
      {"7", "7c0060fbfa2c7f1fc0d285ee7a43d52ac80ca18751ed05aa5eb0b9b64e3c5562"},
      {"4294967295", "48c15057c959d96128ca21d15b6f7f56452a5ad6e1ab26503423be5248fc8041"}}},
};

const std::map<std::string, std::string> shippedMaps = {
    {"fore_basic.png", "0e790d07bb88baa665cf7f9013f25e3937fa116db1867f197ca12e14745a65ed"},
    {"fore_peaks.png", "e197f3c890d2f5b2a57864ca893175d4ffe8264a5ef7c7187fb3d27a73d536a4"},
    {"fore_mesas.png", "5cb56b27866ebe5bfa157380c1a3be51c5eac4283cab87cb478eb9646bfba595"},
    {"fore_islands.png", "30847369e9a9731eabc8244ec86b614bafdef53c704e3d156625c620a3ffbefc"},
    {"fore_caves.png", "00a7f3e9643b33f87d5ddfdb73d4f07fa1bbc12a9053fea837c2b181aebb8c05"},
    {"back_day.png", "f060587e6183dfaf5aa5f8a990c6cf4f520655acda1739fa5aeb0f900691f985"},
    {"back_sunset.png", "d9b4c2ddb6c2917e2249865b211b7af82cfcc2fc6e8fad12c6b23825b6a26d70"},
    {"back_night.png", "b91955ccf82689be066343b11fc56c76477dcbba991418548beef17f531a1712"},
};

class MapBytes : public testing::TestWithParam<TStyleDigests> {};
} // namespace

TEST(ShippedMapBytes, TheShippedMapsAreTheRecordedOnes) {
    std::vector<fs::path> files;
    for (const auto& [name, digest] : shippedMaps) {
        files.push_back(fs::path("data/maps") / name);
    }
    const std::map<std::string, std::string> digests = sha256Of(files);
    for (const auto& [name, digest] : shippedMaps) {
        EXPECT_EQ(digests.contains(name) ? digests.at(name) : "missing", digest) << name;
    }
}

TEST_P(MapBytes, PlayerMapsOfTheStyleAreTheRecordedOnesForEachSeed) {
    const TStyleDigests& style = GetParam();
    const TTempDir scratch;
    std::vector<fs::path> files;
    for (const TSeedDigest& seed : style.seeds) {
        const fs::path file = scratch.path() / (std::string(seed.seed) + ".png");
        const std::string command = std::string("./assetgen --") + style.kind + " " + style.style +
                                    " --seed " + seed.seed + " --size " + playerSize + " '" + file.string() +
                                    "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        files.push_back(file);
    }
    const std::map<std::string, std::string> digests = sha256Of(files);
    for (const TSeedDigest& seed : style.seeds) {
        const std::string name = std::string(seed.seed) + ".png";
        EXPECT_EQ(digests.contains(name) ? digests.at(name) : "missing", seed.sha256)
            << style.kind << " " << style.style << " seed " << seed.seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, MapBytes, testing::ValuesIn(playerMaps),
                         [](const testing::TestParamInfo<TStyleDigests>& info) {
                             return std::string(info.param.kind) + "_" + info.param.style;
                         });
