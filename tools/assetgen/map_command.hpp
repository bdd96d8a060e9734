// The generator's map mode, for players: one terrain or one sky picture of a given style, seed and size.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

inline constexpr const char* mapUsage =
    "assetgen --terrain STYLE --seed N --size WxH FILE | assetgen --sky STYLE --seed N --size WxH FILE";

// Where a FILE named without a folder goes: the folder from which the game beside the generator offers the
// player's own maps.
std::filesystem::path ownMapFolder();
// One line for the help that says so.
std::string mapFolderHelp();

// True when the arguments ask for a map picture (they start with --terrain or --sky).
bool isMapCommand(const std::vector<std::string>& arguments);
// Writes the picture; any bad argument or failed write prints one line and gives exit status 2.
int runMapCommand(const std::vector<std::string>& arguments);
