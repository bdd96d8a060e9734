// The generator's map mode, for players: one terrain or one sky picture of a given style, seed and size.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* mapUsage =
    "assetgen --terrain STYLE --seed N --size WxH FILE | assetgen --sky STYLE --seed N --size WxH FILE";

// True when the arguments ask for a map picture (they start with --terrain or --sky).
bool isMapCommand(const std::vector<std::string>& arguments);
// Writes the picture; any bad argument or failed write prints one line and gives exit status 2.
int runMapCommand(const std::vector<std::string>& arguments);
