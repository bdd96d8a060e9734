// A fresh directory under the system's temporary directory, removed with everything in it at scope end.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class ScopedTempDir {
public:
    ScopedTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvatek-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScopedTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void touch(const std::string& name) const { std::ofstream(path_ / name).put('\0'); }

private:
    std::filesystem::path path_;
};
