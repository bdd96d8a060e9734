#include "png_writer.hpp"

#include <png.h>

#include <cmath>
#include <stdexcept>

namespace {
void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0F));
}

// Owns libpng's two structures for one encoding.
class TPngEncoder {
public:
    TPngEncoder() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
        if (info_ == nullptr) {
            png_destroy_write_struct(&png_, nullptr);
            throw std::runtime_error("cannot start the PNG encoder");
        }
    }
    ~TPngEncoder() { png_destroy_write_struct(&png_, &info_); }
    TPngEncoder(const TPngEncoder&) = delete;
    TPngEncoder& operator=(const TPngEncoder&) = delete;

    std::vector<std::uint8_t> encode(const std::vector<std::vector<std::uint8_t>>& rows, int width,
                                     bool alpha) {
        std::vector<std::uint8_t> out;
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_set_write_fn(png_, &out, appendBytes, flushNothing);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(rows.size()), 8,
                     alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png_, 6);
        png_write_info(png_, info_);
        for (const auto& row : rows) {
            png_write_row(png_, row.data());
        }
        png_write_end(png_, nullptr);
        return out;
    }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};
} // namespace

std::vector<std::uint8_t> encodePng(const TImage& image, TPngKind kind) {
    const bool alpha = kind == TPngKind::PngAlpha;
    const int channels = alpha ? 4 : 3;
    std::vector<std::vector<std::uint8_t>> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        auto& row = rows[static_cast<std::size_t>(y)];
        row.resize(static_cast<std::size_t>(image.width()) * channels);
        for (int x = 0; x < image.width(); ++x) {
            const TColour& c = image.at(x, y);
            // Opaque pictures are flattened onto black, the colour every screen clears to.
            const float k = alpha ? 1.0F : clamp01(c.a);
            std::uint8_t* p = &row[static_cast<std::size_t>(x) * channels];
            p[0] = toByte(c.r * k);
            p[1] = toByte(c.g * k);
            p[2] = toByte(c.b * k);
            if (alpha) {
                p[3] = toByte(c.a);
            }
        }
    }
    TPngEncoder encoder;
    return encoder.encode(rows, image.width(), alpha);
}
