// Picture loading on arbitrary bytes: the PNG header reader against a plain model of the format's first
// bytes, and the loader on the same bytes as a file, under the dummy video driver. Nothing but a PNG within
// its bound is ever decoded, and a decoded picture is exactly the size its header declares.
#include "fuzz_support.hpp"

#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_png_header.hpp"

#include <cstring>
#include <fstream>
#include <optional>
#include <string>

namespace {

// Small, so that a decode of anything the fuzzer builds stays cheap.
constexpr TPictureSize bound{64, 64};

std::uint32_t bigEndian(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24U) | (std::uint32_t{bytes[1]} << 16U) |
           (std::uint32_t{bytes[2]} << 8U) | std::uint32_t{bytes[3]};
}

// The header's size as the format defines it, from the raw bytes.
std::optional<TPictureSize> modelSize(const std::uint8_t* data, std::size_t size) {
    if (size < 24 || std::memcmp(data, "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) != 0) {
        return std::nullopt;
    }
    const std::uint32_t width = bigEndian(data + 16);
    const std::uint32_t height = bigEndian(data + 20);
    if (width == 0 || height == 0) {
        return std::nullopt;
    }
    const auto clamp = [](std::uint32_t value) {
        return static_cast<int>(std::min<std::uint32_t>(value, 0x7FFFFFFF));
    };
    return TPictureSize{clamp(width), clamp(height)};
}

std::string writeInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (scratchDirectory() / "picture.png").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startDummyVideo();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<TPictureSize> declared = pngSizeOf({data, size});
    const std::optional<TPictureSize> expected = modelSize(data, size);
    require(declared.has_value() == expected.has_value(), "the header reader and the format disagree");
    if (declared) {
        require(declared->width == expected->width && declared->height == expected->height, "header size");
    }

    const std::string path = writeInput(data, size);
    const std::optional<TPictureSize> fromFile = pngSize(path);
    require(fromFile.has_value() == declared.has_value(), "the file's header reads otherwise than its bytes");

    const TDiagnosticCapture quiet;
    const SurfacePtr picture = loadImage(
        path, size % 2 == 0 ? TImageConversion::ConversionAlpha : TImageConversion::ConversionOpaque, bound);
    require(picture != nullptr, "the loader gave no surface");
    const bool decoded = picture->w != 0 || picture->h != 0;
    require(!decoded || (declared && fitsWithin(*declared, bound)),
            "a picture was decoded against its header");
    require(!decoded || (picture->w == declared->width && picture->h == declared->height),
            "the decoded picture is not the size its header declares");
    require(decoded || quiet.text() == "Loading " + path + " failed.\n", "a refusal was not reported");
    return 0;
}
