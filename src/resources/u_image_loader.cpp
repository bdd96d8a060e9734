#include "resources/u_image_loader.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_surface_utils.hpp"

#include <SDL_image.h>

#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

SDL_Surface* convert(SDL_Surface* decoded, TImageConversion conversion) {
    if (hasConversion(conversion, TImageConversion::ConversionOpaque)) {
        return SDL_DisplayFormat(decoded);
    }
    if (hasConversion(conversion, TImageConversion::ConversionAlpha)) {
        return SDL_DisplayFormatAlpha(decoded);
    }
    return decoded;
}

SurfacePtr failed(const std::string& path) {
    diagnosticLine("Loading ", path, " failed.");
    return createSurface(0, 0, false);
}

struct StreamCloser {
    void operator()(SDL_RWops* stream) const { SDL_RWclose(stream); }
};
using StreamPtr = std::unique_ptr<SDL_RWops, StreamCloser>;

// Only a regular file is opened: a pipe of that name would block the game until some writer came.
StreamPtr openRegularFile(const std::string& path) {
    std::error_code status;
    if (!std::filesystem::is_regular_file(path, status)) {
        return nullptr;
    }
    return StreamPtr(SDL_RWFromFile(path.c_str(), "rb"));
}

// The stream's picture, when its header says it is a PNG within the bound: decoded as a PNG and nothing
// else, so that no other decoder ever sees a player's file. Null otherwise.
SDL_Surface* decodePng(SDL_RWops* stream, TPictureSize bound) {
    std::array<unsigned char, pngHeaderLength> header{};
    if (static_cast<std::size_t>(SDL_RWread(stream, header.data(), 1, header.size())) != header.size()) {
        return nullptr;
    }
    const std::optional<TPictureSize> size = pngSizeOf(header);
    if (!size || !fitsWithin(*size, bound) || SDL_RWseek(stream, 0, RW_SEEK_SET) != 0) {
        return nullptr;
    }
    return IMG_LoadPNG_RW(stream);
}

} // namespace

SurfacePtr loadImage(const std::string& path, TImageConversion conversion, TPictureSize bound) {
    const StreamPtr stream = openRegularFile(path);
    SDL_Surface* decoded = stream ? decodePng(stream.get(), bound) : nullptr;
    if (decoded == nullptr) {
        return failed(path);
    }
    SDL_Surface* converted = convert(decoded, conversion);
    if (converted != decoded) {
        SDL_FreeSurface(decoded);
    }
    if (converted == nullptr) {
        return failed(path);
    }
    return SurfacePtr(converted);
}

SurfacePtr loadFontImage(const std::string& name) {
    return loadImage(dataPath("fonts", name), TImageConversion::ConversionAlpha);
}

SurfacePtr loadGameImage(const std::string& name) {
    return loadImage(dataPath("game-images", name), TImageConversion::ConversionAlpha);
}

SurfacePtr loadFlag(int flagNumber, TFlagSize size) {
    return loadGameImage(flagFileName(flagNumber, size));
}

SurfacePtr loadMapImage(const std::string& name, TImageConversion conversion) {
    return loadImage(mapPath(name), conversion, mapPictureBound);
}

SurfacePtr loadOtherImage(const std::string& name, TImageConversion conversion) {
    return loadImage(dataPath("other-images", name), conversion);
}

ChunkPtr loadSound(const std::string& name) {
    SDL_RWops* stream = SDL_RWFromFile(dataPath("noise", name).c_str(), "rb");
    if (stream == nullptr) {
        return nullptr;
    }
    return ChunkPtr(Mix_LoadWAV_RW(stream, 1));
}

MusicPtr loadMusic(const std::string& name) {
    return MusicPtr(Mix_LoadMUS(dataPath("noise", name).c_str()));
}
