// Where each resource lies under the data directory, and how file names are built.
#pragma once

#include <cstdint>
#include <string>

enum class TFlagSize : std::uint8_t { FlagSizeBig = 0, FlagSizeSmall = 1 };

std::string joinPath(const std::string& a, const std::string& b);
// Under the data folder in use (data/ beside the executable, or the system one).
std::string dataPath(const std::string& category, const std::string& name);
// A map picture by its file name: the player's own when they have one of that name, else the shipped one.
std::string mapPath(const std::string& name);
std::string flagFileName(int flagNumber, TFlagSize size);
