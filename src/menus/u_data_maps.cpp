#include "menus/u_data_maps.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_game_folders.hpp"
#include "resources/u_surface_utils.hpp"

#include <SDL_rotozoom.h>

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <memory>
#include <utility>

namespace {

constexpr int prefixLength = 5;
constexpr int extensionLength = 4;
constexpr double previewWidth = 200.0;
constexpr double previewHeight = 150.0;

struct DirCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};
using DirPtr = std::unique_ptr<DIR, DirCloser>;

// A line feed in a file name would end up as an extra line of config.txt.
bool hasControlCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

std::vector<std::string> listPictures(const std::string& directory) {
    std::vector<std::string> names;
    const DirPtr listing(opendir(directory.c_str()));
    if (!listing) {
        return names;
    }
    while (const dirent* entry = readdir(listing.get())) {
        if (fnmatch("*.png", entry->d_name, 0) == 0) {
            names.emplace_back(entry->d_name);
        }
    }
    return names;
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text.append(i == 0 ? "" : separator).append(parts[i]);
    }
    return text;
}

SurfacePtr makeThumbnail(SDL_Surface* picture) {
    if (picture == nullptr || picture->w == 0 || picture->h == 0) {
        return createSurface(0, 0, false);
    }
    const double zoomX = previewWidth / picture->w;
    const double zoomY = previewHeight / picture->h;
    const double zoom = zoomX > zoomY ? zoomX : zoomY;
    SurfacePtr thumbnail(zoomSurface(picture, zoom, zoom, SMOOTHING_ON));
    return thumbnail ? std::move(thumbnail) : createSurface(0, 0, false);
}

} // namespace

std::string subString(const std::string& s, int skip, int count) {
    if (count <= 0 || skip < 0 || static_cast<std::size_t>(skip) >= s.size()) {
        return {};
    }
    return s.substr(static_cast<std::size_t>(skip), static_cast<std::size_t>(count));
}

TMaps::TMaps() : TMaps(gameFolders().mapDirectories()) {}

TMaps::TMaps(std::string directory) : TMaps(std::vector<std::string>{std::move(directory)}) {}

TMaps::TMaps(std::vector<std::string> directories) : directories_(std::move(directories)) {
    setlist();
}

bool TMaps::setlist() {
    list.clear();
    bool found = false;
    for (const std::string& directory : directories_) {
        found = addPictures(directory) || found;
    }
    if (!found) {
        diagnosticLine("u_data_maps/TMaps.setlist ERROR : cannot find first");
        return false;
    }
    reportMissingKind(TMapType::MapBack, "background");
    reportMissingKind(TMapType::MapFore, "terrain");
    return true;
}

bool TMaps::addPictures(const std::string& directory) {
    const std::vector<std::string> names = listPictures(directory);
    for (const std::string& name : names) {
        if (getType(name) == TMapType::MapInvalid || hasControlCharacter(name) || isListed(name)) {
            continue;
        }
        TMapImg image;
        fillImg(name, image);
        list.push_back(std::move(image));
    }
    return !names.empty();
}

bool TMaps::isListed(const std::string& fileName) const {
    return std::any_of(list.begin(), list.end(),
                       [&fileName](const TMapImg& image) { return image.filename == fileName; });
}

void TMaps::reportMissingKind(TMapType type, const char* kindName) const {
    const bool found =
        std::any_of(list.begin(), list.end(), [type](const TMapImg& image) { return image.mapType == type; });
    if (!found) {
        diagnosticLine("u_data_maps/TMaps.setlist WARNING : no ", kindName, " picture in ",
                       joined(directories_, " or "));
    }
}

TMapType TMaps::getType(const std::string& fileName) {
    const std::string prefix = subString(fileName, 0, prefixLength);
    if (prefix == "back_") {
        return TMapType::MapBack;
    }
    if (prefix == "fore_") {
        return TMapType::MapFore;
    }
    return TMapType::MapInvalid;
}

void TMaps::fillImg(const std::string& fileName, TMapImg& image) {
    image.filename = fileName;
    image.mapType = getType(fileName);
    image.name =
        subString(fileName, prefixLength, static_cast<int>(fileName.size()) - prefixLength - extensionLength);
}

void makeThumbnails(SDL_Surface* terrain, SDL_Surface* background, SurfacePtr& terrainThumbnail,
                    SurfacePtr& backgroundThumbnail) {
    terrainThumbnail = makeThumbnail(terrain);
    backgroundThumbnail = makeThumbnail(background);
}
