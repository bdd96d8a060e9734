// Where each resource lies under the data directory, and how file names are built.
#pragma once

#include <cstdint>
#include <string>

enum class TFlagSize : std::uint8_t { FlagSizeBig = 0, FlagSizeSmall = 1 };

std::string joinPath(const std::string& a, const std::string& b);
std::string dataPath(const std::string& category, const std::string& name);
std::string flagFileName(int flagNumber, TFlagSize size);
