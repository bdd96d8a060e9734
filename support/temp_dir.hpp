// A scratch directory that a test works in and that vanishes with it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& content) const;
    // A one-byte file, for tests where only the name matters.
    void touch(const std::string& name) const { write(name, std::string(1, '\0')); }
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Makes a directory the working directory for as long as it lives.
class TWorkingDirectory {
public:
    explicit TWorkingDirectory(const std::filesystem::path& directory);
    ~TWorkingDirectory();
    TWorkingDirectory(const TWorkingDirectory&) = delete;
    TWorkingDirectory& operator=(const TWorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};
