#include "png_writer.hpp"

#include <png.h>

#include <stdexcept>

namespace {
void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// Rounds halves away from zero, as lround does: a float plus one half is exact in double precision, so the
// truncation of that sum is the rounding, without a library call per channel.
std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(static_cast<double>(clamp01(v) * 255.0F) + 0.5);
}
} // namespace

// Owns libpng's two structures for one encoding; each call that reaches libpng catches its errors itself.
class TPngRowWriter::TEncoder {
public:
    TEncoder() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
        if (info_ == nullptr) {
            png_destroy_write_struct(&png_, nullptr);
            throw std::runtime_error("cannot start the PNG encoder");
        }
    }
    ~TEncoder() { png_destroy_write_struct(&png_, &info_); }
    TEncoder(const TEncoder&) = delete;
    TEncoder& operator=(const TEncoder&) = delete;

    void writeHeader(int width, int height, bool alpha) {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_set_write_fn(png_, &out_, appendBytes, flushNothing);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png_, 6);
        png_write_info(png_, info_);
    }

    void writeRow(std::vector<std::uint8_t>& row) {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_write_row(png_, row.data());
    }

    std::vector<std::uint8_t> finish() {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_write_end(png_, nullptr);
        return std::move(out_);
    }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    std::vector<std::uint8_t> out_;
};

TPngRowWriter::TPngRowWriter(int width, int height, TPngKind kind)
    : encoder_(std::make_unique<TEncoder>()),
      row_(static_cast<std::size_t>(width) * (kind == TPngKind::PngAlpha ? 4 : 3)), width_(width),
      alpha_(kind == TPngKind::PngAlpha) {
    encoder_->writeHeader(width, height, alpha_);
}

TPngRowWriter::~TPngRowWriter() = default;

void TPngRowWriter::writeRow(const TColour* pixels) {
    std::uint8_t* p = row_.data();
    for (int x = 0; x < width_; ++x) {
        const TColour& c = pixels[x];
        const float k = alpha_ ? 1.0F : clamp01(c.a);
        p[0] = toByte(c.r * k);
        p[1] = toByte(c.g * k);
        p[2] = toByte(c.b * k);
        if (alpha_) {
            p[3] = toByte(c.a);
            p += 4;
        } else {
            p += 3;
        }
    }
    encoder_->writeRow(row_);
}

std::vector<std::uint8_t> TPngRowWriter::finish() {
    return encoder_->finish();
}

std::vector<std::uint8_t> encodePng(const TImage& image, TPngKind kind) {
    TPngRowWriter writer(image.width(), image.height(), kind);
    for (int y = 0; y < image.height(); ++y) {
        writer.writeRow(&image.at(0, y));
    }
    return writer.finish();
}
