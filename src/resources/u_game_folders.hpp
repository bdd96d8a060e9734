// Where the game's files are. The portable layout keeps data/ and config.txt beside the executable (the build
// tree, a player's own install, the archive). The system layout, for an install that every user of the
// machine shares, reads the data from the folder fixed when the game was built and keeps each player's
// settings and own maps in that player's folders. Only this unit tells the layouts apart.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class TLayout : std::uint8_t { LayoutPortable = 0, LayoutSystem = 1 };

struct TGameFolders {
    TLayout layout = TLayout::LayoutPortable;
    // Relative in the portable layout, where the working directory is the executable's; absolute otherwise.
    std::string dataDirectory = "data";
    // Empty when the player has no home folder to keep it in.
    std::string configFile = "config.txt";
    // The settings file's folder belongs to the game and is made on the first save.
    bool createsConfigFolder = false;
    // Where the player's own map pictures go; in the portable layout the data's own maps folder.
    std::string ownMapDirectory = "data/maps";

    std::string shippedMapDirectory() const;
    // Every folder the map catalogue lists, the shipped maps first.
    std::vector<std::string> mapDirectories() const;
};

// The value of one environment variable, empty when it is unset.
using TEnvironment = std::function<std::string(const std::string& name)>;

// The process's own environment, where an unset or relative HOME falls back to the account's home folder.
std::string processEnvironment(const std::string& name);

// The data folder fixed when the game was built; empty for a build that fixes none.
std::string systemDataDirectory();

// The layout of the game whose executable lies in gameDirectory: portable while data/ lies beside it, and
// also when the system data folder is missing (the game then reports its missing files as it always has).
TGameFolders chooseGameFolders(const std::string& gameDirectory, const std::string& systemData,
                               const TEnvironment& environment);

// The folders this run uses: the portable ones unless a TFoldersInUse says otherwise.
const TGameFolders& gameFolders();

// Makes the given folders the ones in use while it lives: the program entry for the whole run, tests for a
// case.
class TFoldersInUse {
public:
    explicit TFoldersInUse(TGameFolders folders);
    ~TFoldersInUse();
    TFoldersInUse(const TFoldersInUse&) = delete;
    TFoldersInUse& operator=(const TFoldersInUse&) = delete;

private:
    TGameFolders previous_;
};

// Makes the folder and every missing parent, readable by the player alone as the base directory rules of
// desktops ask; an existing folder is fine. On failure `error` says why.
bool createPlayerFolder(const std::string& directory, std::string& error);
