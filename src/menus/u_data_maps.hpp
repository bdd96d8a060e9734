// The catalogue of map pictures (backgrounds and terrains) found in the map folders, and their thumbnails.
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <string>
#include <vector>

enum class TMapType : std::uint8_t { MapBack = 0, MapFore = 1, MapInvalid = 2 };

struct TMapImg {
    std::string filename; // as the directory listing gives it, e.g. "back_day.png"
    TMapType mapType = TMapType::MapInvalid;
    std::string name; // shown to the player: "day"
};

using TMapsList = std::vector<TMapImg>;

class TMaps {
public:
    // Scans the map folders in use once (the shipped maps, then the player's own); an empty catalogue is a
    // valid one.
    TMaps();
    explicit TMaps(std::string directory);
    // A name found in several folders is listed once, where it is first found.
    explicit TMaps(std::vector<std::string> directories);

    // Rescans from an empty list; false, with a line on stdout, when no "*.png" file was found at all.
    bool setlist();
    static TMapType getType(const std::string& fileName);
    static void fillImg(const std::string& fileName, TMapImg& image);

    TMapsList list; // in the listing's own order; an index stays valid while the catalogue lives

private:
    // A line when no usable picture of one kind was found: no match can be set up then.
    void reportMissingKind(TMapType type, const char* kindName) const;

    // Catalogues the usable pictures of one folder that an earlier folder did not have; false when the folder
    // holds no "*.png" at all.
    bool addPictures(const std::string& directory);
    bool isListed(const std::string& fileName) const;

    std::vector<std::string> directories_;
};

// At most count characters of s from position skip + 1 (1-based); empty when count <= 0 or skip is past the
// end.
std::string subString(const std::string& s, int skip, int count);

// Thumbnails that cover the 200 x 150 preview and keep the pictures' proportions; the caller owns them.
// A 0 x 0 (or missing) picture gives a 0 x 0 thumbnail.
void makeThumbnails(SDL_Surface* terrain, SDL_Surface* background, SurfacePtr& terrainThumbnail,
                    SurfacePtr& backgroundThumbnail);
