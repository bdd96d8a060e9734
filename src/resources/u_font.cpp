#include "resources/u_font.hpp"

#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_surface_utils.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr int firstCode = 32;
constexpr int lastCode = 126;

int cellCode(char character) {
    const int code = static_cast<unsigned char>(character);
    return (code < firstCode || code > lastCode) ? firstCode : code;
}

} // namespace

TFont::TFont()
    : imageBig(loadFontImage(dataFile::fontBig)), imageMedium(loadFontImage(dataFile::fontMedium)),
      imageSmall(loadFontImage(dataFile::fontSmall)) {}

TFont::TFont(SurfacePtr big, SurfacePtr medium, SurfacePtr small)
    : imageBig(std::move(big)), imageMedium(std::move(medium)), imageSmall(std::move(small)) {}

const SDL_Surface* TFont::image(TSize size) const {
    switch (size) {
    case TSize::SizeBig:
        return imageBig.get();
    case TSize::SizeMedium:
        return imageMedium.get();
    case TSize::SizeSmall:
        break;
    }
    return imageSmall.get();
}

SDL_Rect TFont::charSize(TSize size) const {
    const int height = image(size)->h;
    const int width = static_cast<int>(std::trunc(3.0 * height / 4.0));
    return {0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
}

SDL_Rect TFont::charRect(char character, TSize size) const {
    SDL_Rect cell = charSize(size);
    cell.x = static_cast<Sint16>((cellCode(character) - firstCode) * cell.w);
    return cell;
}

SDL_Rect TFont::textSize(const std::string& text, TSize size) const {
    std::size_t lines = 1;
    std::size_t longest = 0;
    std::size_t current = 0;
    for (const char character : text) {
        if (character == '\n') {
            ++lines;
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    const SDL_Rect cell = charSize(size);
    // Clamp to what a surface can hold; a text that long is a bug upstream, not a reason to wrap.
    const auto clampToRect = [](std::size_t value) {
        return static_cast<Uint16>(std::min<std::size_t>(value, 0xFFFF));
    };
    return {0, 0, clampToRect(longest * cell.w), clampToRect(lines * cell.h)};
}

SurfacePtr TFont::renderText(const std::string& text, TSize size, Uint32 background) const {
    SDL_Surface* glyphs = const_cast<SDL_Surface*>(image(size));
    const SDL_Rect cell = charSize(size);
    const SDL_Rect area = textSize(text, size);
    SurfacePtr result = createSurface(area.w, area.h, true);
    SDL_FillRect(result.get(), nullptr, background);
    int column = 0;
    int line = 0;
    for (const char character : text) {
        if (character == '\n') {
            ++line;
            column = 0;
            continue;
        }
        const SDL_Rect source = charRect(character, size);
        SDL_Rect target = {static_cast<Sint16>(std::min(column * cell.w, 0x7FFF)),
                           static_cast<Sint16>(std::min(line * cell.h, 0x7FFF)), 0, 0};
        blendSurface(glyphs, &source, result.get(), &target);
        ++column;
    }
    return result;
}
