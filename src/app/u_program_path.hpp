// Finding the directory the executable lies in, so data/ and config.txt are found however it was started.
#pragma once

#include <string>

// The directory part of a path: everything before its last '/', "/" for a file at the root,
// empty when the path holds no '/'.
std::string directoryOf(const std::string& path);

// The executable's directory from /proc/self/exe, else from argument 0 (which may be null).
std::string executableDirectory(const char* argument0);
