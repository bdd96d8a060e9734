#include "resources/u_scratch_directory.hpp"

#include <cstdlib>

TScratchDirectory::TScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvatek-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TScratchDirectory::~TScratchDirectory() {
    std::error_code ignored;
    if (!path_.empty()) {
        std::filesystem::remove_all(path_, ignored);
    }
}
