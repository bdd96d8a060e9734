// The map catalogue's name handling: classification, display names and the substring helper against plain
// models, and a real directory listing that must catalogue a file exactly when its name is usable.
#include "fuzz_support.hpp"

#include "menus/u_data_maps.hpp"

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>
#include <system_error>

namespace {

// Longest name most Linux file systems take.
constexpr std::size_t maxNameLength = 255;

std::string modelSubString(const std::string& s, int skip, int count) {
    std::string result;
    for (long position = static_cast<long>(skip) + 1;
         count > 0 && position >= 1 && position <= static_cast<long>(s.size()); ++position, --count) {
        result += s[static_cast<std::size_t>(position - 1)];
    }
    return result;
}

TMapType modelType(const std::string& name) {
    if (name.rfind("back_", 0) == 0) {
        return TMapType::MapBack;
    }
    return name.rfind("fore_", 0) == 0 ? TMapType::MapFore : TMapType::MapInvalid;
}

bool hasControl(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

bool endsInPng(const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".png") == 0;
}

// A name the file system takes: no slash, no NUL, not "." or "..", not too long.
std::string fileNameFrom(std::string text) {
    std::replace(text.begin(), text.end(), '/', '_');
    std::replace(text.begin(), text.end(), '\0', '_');
    if (text.size() > maxNameLength) {
        text.resize(maxNameLength);
    }
    return (text.empty() || text == "." || text == "..") ? "_" : text;
}

// Small positions and counts around the name's length, and the extremes of int.
int positionFrom(std::uint8_t byte) {
    if (byte == 0x7F) {
        return std::numeric_limits<int>::max();
    }
    if (byte == 0x80) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<std::int8_t>(byte) * 3;
}

void checkNameHelpers(const std::string& name, int skip, int count) {
    require(subString(name, skip, count) == modelSubString(name, skip, count), "subString");
    require(TMaps::getType(name) == modelType(name), "getType");
    TMapImg image;
    TMaps::fillImg(name, image);
    require(image.filename == name, "fillImg filename");
    require(image.mapType == modelType(name), "fillImg type");
    require(image.name == modelSubString(name, 5, static_cast<int>(name.size()) - 9), "fillImg name");
}

void checkListing(const std::string& name) {
    const std::filesystem::path directory = scratchDirectory() / "maps";
    std::error_code status;
    std::filesystem::remove_all(directory, status);
    std::filesystem::create_directory(directory, status);
    std::ofstream(directory / name).put('x');
    const bool created = std::filesystem::exists(directory / name, status);

    const TMaps maps(directory.string());
    const bool usable =
        created && endsInPng(name) && modelType(name) != TMapType::MapInvalid && !hasControl(name);
    require(maps.list.size() == (usable ? 1u : 0u),
            "catalogued " + std::to_string(maps.list.size()) + " files");
    if (usable) {
        require(maps.list[0].filename == name, "listed name differs from the file's");
        require(maps.list[0].mapType == modelType(name), "listed type");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const int skip = positionFrom(input.takeByte());
    const int count = positionFrom(input.takeByte());
    const std::string name = input.rest();
    checkNameHelpers(name, skip, count);
    checkListing(fileNameFrom(name));
    return 0;
}
