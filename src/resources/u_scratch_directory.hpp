// A private directory under the system's temporary one, removed with everything in it when it goes.
// Matches played without a player (benchmarks, headless runs) keep their config.txt there.
#pragma once

#include <filesystem>
#include <string>

class TScratchDirectory {
public:
    TScratchDirectory();
    ~TScratchDirectory();
    TScratchDirectory(const TScratchDirectory&) = delete;
    TScratchDirectory& operator=(const TScratchDirectory&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
