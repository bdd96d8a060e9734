// Encoding a picture as PNG bytes: RGBA or RGB, no time stamp, so equal pictures give equal bytes. A large
// picture can be handed over a row at a time, so that it never has to be held whole.
#pragma once

#include "image.hpp"

#include <cstdint>
#include <memory>
#include <vector>

enum class TPngKind : std::uint8_t { PngOpaque, PngAlpha };

class TPngRowWriter {
public:
    TPngRowWriter(int width, int height, TPngKind kind);
    ~TPngRowWriter();
    TPngRowWriter(const TPngRowWriter&) = delete;
    TPngRowWriter& operator=(const TPngRowWriter&) = delete;

    // The next row from the top: width pixels. Opaque pictures are flattened onto black.
    void writeRow(const TColour* pixels);
    // The whole file, once every row has been written.
    std::vector<std::uint8_t> finish();

private:
    class TEncoder;
    std::unique_ptr<TEncoder> encoder_;
    std::vector<std::uint8_t> row_;
    std::vector<std::uint8_t> above_; // the row before, for the choice of filter
    int width_;
    bool alpha_;
};

std::vector<std::uint8_t> encodePng(const TImage& image, TPngKind kind);
