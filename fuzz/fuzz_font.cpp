// Text measuring and rendering on a font made of small coded strips, under the dummy video driver: every
// text measures as the model says, renders to a surface of that size, and puts each glyph in its cell.
#include "fuzz_support.hpp"

#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int firstCode = 32;
constexpr int lastCode = 126;
constexpr int cellCount = lastCode - firstCode + 1;
constexpr int maxHeight = 24;

// Every cell transparent but for its top-left pixel, opaque, whose red channel is the character's code.
// A strip may hold fewer cells than the 95 the font expects.
SurfacePtr codedStrip(int height, int cells) {
    const int cell = 3 * height / 4;
    SurfacePtr strip = createSurface(cells * cell, height, true);
    SDL_FillRect(strip.get(), nullptr, 0);
    if (cell > 0 && height > 0) {
        for (int i = 0; i < cells; ++i) {
            setPixel(strip.get(), i * cell, 0, {static_cast<Uint8>(firstCode + i), 0, 0, 255});
        }
    }
    return strip;
}

struct TStripShape {
    int height;
    int cells;
};

TStripShape shapeFrom(std::uint8_t heightByte, std::uint8_t cellsByte) {
    return {heightByte % (maxHeight + 1), cellsByte % 8 == 0 ? cellsByte % cellCount : cellCount};
}

struct TMeasure {
    std::size_t lines = 1;
    std::size_t longest = 0;
};

TMeasure measure(const std::string& text) {
    TMeasure m;
    std::size_t current = 0;
    for (const char c : text) {
        current = c == '\n' ? 0 : current + 1;
        m.lines += c == '\n' ? 1 : 0;
        m.longest = std::max(m.longest, current);
    }
    return m;
}

int shownCode(char c) {
    const int code = static_cast<unsigned char>(c);
    return (code < firstCode || code > lastCode) ? firstCode : code;
}

void checkGlyphs(const std::string& text, const SDL_Surface* result, TStripShape shape,
                 const SDL_Rect& cell) {
    if (cell.w == 0 || cell.h == 0) {
        return;
    }
    int column = 0;
    int line = 0;
    for (const char c : text) {
        if (c == '\n') {
            ++line;
            column = 0;
            continue;
        }
        // SDL 1.2 positions are 16-bit signed: cells past x or y 32767 (texts far wider than any screen) and
        // past a surface clamped to 65535 are out of reach and not checked.
        const int x = column * cell.w;
        const int y = line * cell.h;
        ++column;
        if (x + cell.w > std::min(result->w, 0x7FFF) || y + cell.h > std::min(result->h, 0x7FFF)) {
            continue;
        }
        const int code = shownCode(c);
        const TRgba colour = pixelAt(result, x, y);
        if (code - firstCode < shape.cells) {
            require(colour.a == 255 && colour.r == code,
                    "glyph " + std::to_string(code) + " not in its cell");
        } else {
            require(colour.a == 0, "a cell beyond the strip drew something");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startDummyVideo();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    std::array<TStripShape, 3> shapes{};
    for (TStripShape& shape : shapes) {
        const std::uint8_t heightByte = input.takeByte();
        shape = shapeFrom(heightByte, input.takeByte());
    }
    const auto size_ = static_cast<TSize>(input.takeByte() % 3);
    const std::string text = input.rest();
    const TFont font(codedStrip(shapes[0].height, shapes[0].cells),
                     codedStrip(shapes[1].height, shapes[1].cells),
                     codedStrip(shapes[2].height, shapes[2].cells));
    const TStripShape shape = shapes[static_cast<std::size_t>(size_)];

    const SDL_Rect cell = font.charSize(size_);
    require(cell.h == shape.height && cell.w == 3 * shape.height / 4, "cell size");
    const TMeasure m = measure(text);
    const SDL_Rect area = font.textSize(text, size_);
    require(area.w == std::min<std::size_t>(m.longest * cell.w, 0xFFFF), "text width");
    require(area.h == std::min<std::size_t>(m.lines * cell.h, 0xFFFF), "text height");

    const SurfacePtr rendered = font.renderText(text, size_, 0);
    require(rendered != nullptr, "no surface");
    require(rendered->w == area.w && rendered->h == area.h, "rendered size differs from the measure");
    checkGlyphs(text, rendered.get(), shape, cell);
    return 0;
}
