#include "resources/u_resource_paths.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_game_folders.hpp"

#include <filesystem>
#include <system_error>

std::string joinPath(const std::string& a, const std::string& b) {
    return a + "/" + b;
}

std::string dataPath(const std::string& category, const std::string& name) {
    return joinPath(joinPath(gameFolders().dataDirectory, category), name);
}

std::string mapPath(const std::string& name) {
    const TGameFolders& folders = gameFolders();
    if (folders.ownMapDirectory != folders.shippedMapDirectory()) {
        std::string own = joinPath(folders.ownMapDirectory, name);
        std::error_code status;
        if (std::filesystem::is_regular_file(own, status)) {
            return own;
        }
    }
    return dataPath("maps", name);
}

std::string flagFileName(int flagNumber, TFlagSize size) {
    return dataFile::flag(flagNumber, static_cast<int>(size));
}
