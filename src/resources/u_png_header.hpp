// Reading a PNG file's signature and header without decoding it, so that a picture can be refused before a
// decoder sees it: a file that is not a PNG, or one that declares a size larger than its use allows.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

struct TPictureSize {
    int width = 0;
    int height = 0;
};

// The first bytes of a PNG that give its size: the signature and the header chunk.
inline constexpr std::size_t pngHeaderLength = 24;

// The size the header gives; nothing unless the bytes start with the PNG signature and a header chunk that
// declares a size of at least 1 x 1.
std::optional<TPictureSize> pngSizeOf(std::span<const unsigned char> bytes);

// The same, read from the start of a file; nothing when the file cannot be read.
std::optional<TPictureSize> pngSize(const std::string& path);

// True when the size fits within the bound on both sides.
constexpr bool fitsWithin(TPictureSize size, TPictureSize bound) {
    return size.width <= bound.width && size.height <= bound.height;
}
