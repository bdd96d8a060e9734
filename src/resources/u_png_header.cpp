#include "resources/u_png_header.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace {

// Bytes 0-7 are the signature; the header chunk follows, its length (13) at bytes 8-11, its type at 12-15,
// then the width and height at bytes 16-23.
constexpr std::array<unsigned char, 8> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<unsigned char, 8> headerChunkStart = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};
constexpr std::size_t headerChunkAt = 8;
constexpr std::size_t widthAt = 16;
constexpr std::size_t heightAt = 20;

std::uint32_t bigEndianAt(std::span<const unsigned char> bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24U) | (std::uint32_t{bytes[at + 1]} << 16U) |
           (std::uint32_t{bytes[at + 2]} << 8U) | std::uint32_t{bytes[at + 3]};
}

// The format allows 1 to 2^31 - 1; anything above is a broken header, read as too large.
int dimensionAt(std::span<const unsigned char> bytes, std::size_t at) {
    const std::uint32_t value = bigEndianAt(bytes, at);
    return value > 0x7FFFFFFFU ? 0x7FFFFFFF : static_cast<int>(value);
}

bool startsWith(std::span<const unsigned char> bytes, std::size_t at,
                std::span<const unsigned char> expected) {
    return std::equal(expected.begin(), expected.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

std::optional<TPictureSize> pngSizeOf(std::span<const unsigned char> bytes) {
    if (bytes.size() < pngHeaderLength || !startsWith(bytes, 0, pngSignature) ||
        !startsWith(bytes, headerChunkAt, headerChunkStart)) {
        return std::nullopt;
    }
    const TPictureSize size{dimensionAt(bytes, widthAt), dimensionAt(bytes, heightAt)};
    if (size.width == 0 || size.height == 0) {
        return std::nullopt;
    }
    return size;
}

std::optional<TPictureSize> pngSize(const std::string& path) {
    std::array<unsigned char, pngHeaderLength> header{};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) {
        return std::nullopt;
    }
    return pngSizeOf(header);
}
