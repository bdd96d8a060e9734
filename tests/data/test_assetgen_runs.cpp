// Runs the data generator itself: the same bytes on every run, and a clear failure when it cannot write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

std::map<std::string, std::string> readTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[fs::relative(entry.path(), root).string()] =
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return files;
}

// A scratch directory removed when the test ends.
class TScratch {
public:
    explicit TScratch(const std::string& name) : path_(fs::temp_directory_path() / name) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TScratch() { fs::remove_all(path_); }
    TScratch(const TScratch&) = delete;
    TScratch& operator=(const TScratch&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};
} // namespace

TEST(AssetgenRuns, TwoRunsWriteIdenticalBytesForEveryFile) {
    const TScratch first("morvatek-assetgen-a-" + std::to_string(::getpid()));
    const TScratch second("morvatek-assetgen-b-" + std::to_string(::getpid()));
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
    const TScratch scratch("morvatek-assetgen-c-" + std::to_string(::getpid()));
    const fs::path blocker = scratch.path() / "blocker";
    std::ofstream(blocker) << "a file where a directory should be";
    const fs::path log = scratch.path() / "stderr.txt";
    const int status =
        std::system(("./assetgen " + (blocker / "data").string() + " 2> " + log.string()).c_str());
    EXPECT_NE(status, 0);
    std::ifstream in(log);
    const std::string message((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(message.find(blocker.string()), std::string::npos) << message;
}
