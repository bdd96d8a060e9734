#include "platform/u_sdl12_image.hpp"

#include "platform/u_sdl2_native.hpp"

#include <SDL2/SDL_image.h>

namespace sdl12 {

SDL_Surface* IMG_Load(const char* file) {
    ::SDL_Surface* picture = ::IMG_Load(file);
    return adopt(picture, picture != nullptr ? flagsOf(picture) : 0);
}

SDL_Surface* IMG_LoadPNG_RW(SDL_RWops* source) {
    ::SDL_Surface* picture = ::IMG_LoadPNG_RW(source);
    return adopt(picture, picture != nullptr ? flagsOf(picture) : 0);
}

SDL_Surface* IMG_LoadTyped_RW(SDL_RWops* source, int freeSource, const char* type) {
    ::SDL_Surface* picture = ::IMG_LoadTyped_RW(source, freeSource, type);
    return adopt(picture, picture != nullptr ? flagsOf(picture) : 0);
}

} // namespace sdl12
