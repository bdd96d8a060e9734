#include "resources/u_resource_paths.hpp"

#include "resources/u_data_files.hpp"

std::string joinPath(const std::string& a, const std::string& b) {
    return a + "/" + b;
}

std::string dataPath(const std::string& category, const std::string& name) {
    return joinPath(joinPath("data", category), name);
}

std::string flagFileName(int flagNumber, TFlagSize size) {
    return dataFile::flag(flagNumber, static_cast<int>(size));
}
