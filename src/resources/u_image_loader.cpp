#include "resources/u_image_loader.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_surface_utils.hpp"

#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <fstream>

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

// Bytes 0-7 are the signature; the first chunk is the header, with width and height at bytes 16-23.
constexpr std::array<unsigned char, 8> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t pngHeaderLength = 24;

int bigEndianAt(const std::array<unsigned char, pngHeaderLength>& bytes, std::size_t at) {
    const std::uint32_t value = (std::uint32_t{bytes[at]} << 24U) | (std::uint32_t{bytes[at + 1]} << 16U) |
                                (std::uint32_t{bytes[at + 2]} << 8U) | std::uint32_t{bytes[at + 3]};
    // The format allows up to 2^31 - 1; anything above is a broken header, read as too large.
    return value > 0x7FFFFFFFU ? 0x7FFFFFFF : static_cast<int>(value);
}

} // namespace

std::optional<TPictureSize> pngSize(const std::string& path) {
    std::array<unsigned char, pngHeaderLength> header{};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size()) ||
        !std::equal(pngSignature.begin(), pngSignature.end(), header.begin())) {
        return std::nullopt;
    }
    return TPictureSize{bigEndianAt(header, 16), bigEndianAt(header, 20)};
}

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
    const std::string path = mapPath(name);
    const std::optional<TPictureSize> size = pngSize(path);
    if (size && (size->width > mapMaxWidth || size->height > mapMaxHeight)) {
        return failed(path);
    }
    return loadImage(path, conversion);
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
