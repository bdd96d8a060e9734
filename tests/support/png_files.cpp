#include "support/png_files.hpp"

#include "resources/u_sdl_handles.hpp"
#include "support/pixels.hpp"

#include <png.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Owns libpng's write structures for one file.
class TPngFile {
public:
    explicit TPngFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
        if (!file_ || info_ == nullptr) {
            throw std::runtime_error("cannot write " + path);
        }
        png_init_io(png_, file_.get());
    }
    ~TPngFile() { png_destroy_write_struct(&png_, &info_); }
    TPngFile(const TPngFile&) = delete;
    TPngFile& operator=(const TPngFile&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    std::unique_ptr<std::FILE, FileCloser> file_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

int colourType(TPngLayout layout) {
    switch (layout) {
    case TPngLayout::Palette:
        return PNG_COLOR_TYPE_PALETTE;
    case TPngLayout::Grey8:
        return PNG_COLOR_TYPE_GRAY;
    case TPngLayout::GreyAlpha8:
        return PNG_COLOR_TYPE_GRAY_ALPHA;
    default:
        return PNG_COLOR_TYPE_RGBA;
    }
}

// One row of samples; a grey-brown colour so that every channel carries something.
std::vector<png_byte> rowOf(TPngLayout layout, int y, int width,
                            const std::function<std::uint8_t(int, int)>& alphaAt,
                            std::map<std::uint8_t, png_byte>& paletteIndex) {
    std::vector<png_byte> row;
    for (int x = 0; x < width; ++x) {
        const std::uint8_t alpha = alphaAt(x, y);
        switch (layout) {
        case TPngLayout::Palette:
            row.push_back(
                paletteIndex.try_emplace(alpha, static_cast<png_byte>(paletteIndex.size())).first->second);
            break;
        case TPngLayout::Grey8:
            row.push_back(120);
            break;
        case TPngLayout::GreyAlpha8:
            row.insert(row.end(), {120, alpha});
            break;
        case TPngLayout::Rgba16:
            row.insert(row.end(), {140, 0, 100, 0, 60, 0, alpha, alpha});
            break;
        default:
            row.insert(row.end(), {140, 100, 60, alpha});
            break;
        }
    }
    return row;
}
} // namespace

void writePng(const std::string& path, TPngLayout layout, int width, int height,
              const std::function<std::uint8_t(int x, int y)>& alphaAt) {
    std::map<std::uint8_t, png_byte> paletteIndex;
    std::vector<std::vector<png_byte>> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(rowOf(layout, y, width, alphaAt, paletteIndex));
    }
    TPngFile file(path);
    if (setjmp(png_jmpbuf(file.png())) != 0) {
        throw std::runtime_error("cannot encode " + path);
    }
    png_set_IHDR(file.png(), file.info(), static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 layout == TPngLayout::Rgba16 ? 16 : 8, colourType(layout),
                 layout == TPngLayout::Rgba8Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (layout == TPngLayout::Palette) {
        std::vector<png_color> colours(paletteIndex.size(), png_color{140, 100, 60});
        std::vector<png_byte> alphas(paletteIndex.size());
        for (const auto& [alpha, index] : paletteIndex) {
            alphas[index] = alpha;
        }
        png_set_PLTE(file.png(), file.info(), colours.data(), static_cast<int>(colours.size()));
        png_set_tRNS(file.png(), file.info(), alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
    png_write_info(file.png(), file.info());
    std::vector<png_bytep> pointers;
    for (auto& row : rows) {
        pointers.push_back(row.data());
    }
    png_write_image(file.png(), pointers.data());
    png_write_end(file.png(), nullptr);
}

void writeSurfacePng(const std::string& path, SDL_Surface* picture) {
    TPngFile file(path);
    if (setjmp(png_jmpbuf(file.png())) != 0) {
        throw std::runtime_error("cannot encode " + path);
    }
    png_set_IHDR(file.png(), file.info(), static_cast<png_uint_32>(picture->w),
                 static_cast<png_uint_32>(picture->h), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(file.png(), file.info());
    const SurfaceLock lock(picture);
    std::vector<png_byte> row;
    for (int y = 0; y < picture->h; ++y) {
        row.clear();
        for (int x = 0; x < picture->w; ++x) {
            const TRgba colour = pixelAt(picture, x, y);
            row.insert(row.end(), {colour.r, colour.g, colour.b});
        }
        png_write_row(file.png(), row.data());
    }
    png_write_end(file.png(), nullptr);
}

void writeBlankPng(const std::string& path, int width, int height) {
    TPngFile file(path);
    if (setjmp(png_jmpbuf(file.png())) != 0) {
        throw std::runtime_error("cannot encode " + path);
    }
    png_set_IHDR(file.png(), file.info(), static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(file.png(), file.info());
    std::vector<png_byte> row((static_cast<std::size_t>(width) + 7) / 8, 0);
    for (int y = 0; y < height; ++y) {
        png_write_row(file.png(), row.data());
    }
    png_write_end(file.png(), nullptr);
}

void writeGroundPng(const std::string& path, int width, int height) {
    writePng(path, TPngLayout::Rgba8, width, height,
             [height](int, int y) { return static_cast<std::uint8_t>(y >= height / 2 ? 255 : 0); });
}
