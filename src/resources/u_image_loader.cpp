#include "resources/u_image_loader.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_surface_utils.hpp"

#include <SDL_image.h>

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

} // namespace

SurfacePtr loadImage(const std::string& path, TImageConversion conversion) {
    SDL_Surface* decoded = IMG_Load(path.c_str());
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
    return loadImage(dataPath("maps", name), conversion);
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
