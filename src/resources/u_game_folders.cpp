#include "resources/u_game_folders.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// The build gives the system data folder; a build that does not is portable only.
#ifndef MORVATEK_SYSTEM_DATA_DIR
#define MORVATEK_SYSTEM_DATA_DIR ""
#endif

namespace {

namespace fs = std::filesystem;

constexpr const char* gameFolderName = "morvatek";

bool isAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

bool isDirectory(const fs::path& path) {
    std::error_code status;
    return fs::is_directory(path, status);
}

// A base folder of the player's, from its variable when that holds an absolute path, else under the home
// folder; empty when there is no home folder either.
fs::path baseFolder(const TEnvironment& environment, const char* variable, const char* underHome) {
    const std::string value = environment(variable);
    if (isAbsolute(value)) {
        return value;
    }
    const std::string home = environment("HOME");
    return isAbsolute(home) ? fs::path(home) / underHome : fs::path();
}

TGameFolders& foldersInUse() {
    static TGameFolders folders;
    return folders;
}

} // namespace

std::string TGameFolders::shippedMapDirectory() const {
    return (fs::path(dataDirectory) / "maps").string();
}

std::vector<std::string> TGameFolders::mapDirectories() const {
    std::vector<std::string> directories{shippedMapDirectory()};
    if (ownMapDirectory != directories.front()) {
        directories.push_back(ownMapDirectory);
    }
    return directories;
}

std::string processEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (name == "HOME" && !isAbsolute(value == nullptr ? "" : value)) {
        const passwd* account = ::getpwuid(::getuid());
        value = account == nullptr ? nullptr : account->pw_dir;
    }
    return value == nullptr ? std::string() : std::string(value);
}

std::string systemDataDirectory() {
    return MORVATEK_SYSTEM_DATA_DIR;
}

TGameFolders chooseGameFolders(const std::string& gameDirectory, const std::string& systemData,
                               const TEnvironment& environment) {
    TGameFolders folders;
    if (isDirectory(fs::path(gameDirectory) / folders.dataDirectory) || !isAbsolute(systemData) ||
        !isDirectory(systemData)) {
        return folders;
    }
    folders.layout = TLayout::LayoutSystem;
    folders.dataDirectory = systemData;
    const fs::path config = baseFolder(environment, "XDG_CONFIG_HOME", ".config");
    folders.configFile = config.empty() ? std::string() : (config / gameFolderName / "config.txt").string();
    folders.createsConfigFolder = true;
    const fs::path data = baseFolder(environment, "XDG_DATA_HOME", ".local/share");
    // Without a home folder the player's maps are the shipped ones.
    folders.ownMapDirectory =
        data.empty() ? folders.shippedMapDirectory() : (data / gameFolderName / "maps").string();
    return folders;
}

const TGameFolders& gameFolders() {
    return foldersInUse();
}

TFoldersInUse::TFoldersInUse(TGameFolders folders)
    : previous_(std::exchange(foldersInUse(), std::move(folders))) {}

TFoldersInUse::~TFoldersInUse() {
    foldersInUse() = std::move(previous_);
}

bool createPlayerFolder(const std::string& directory, std::string& error) {
    const fs::path folder = fs::path(directory).lexically_normal();
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (part.empty() || isDirectory(made)) {
            continue;
        }
        if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
            error = made.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    if (!isDirectory(folder)) {
        error = folder.string() + ": not a folder";
        return false;
    }
    return true;
}
