#include "support/temp_dir.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <cstdlib>

TTempDir::TTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvatek-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
}

TTempDir::~TTempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TTempDir::write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
}

std::string TTempDir::read(const std::string& name) const {
    return readFile(path_ / name);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TWorkingDirectory::TWorkingDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

TWorkingDirectory::~TWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}
