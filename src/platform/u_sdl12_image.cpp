#include "platform/u_sdl12_image.hpp"

#include "platform/u_sdl2_native.hpp"

#include <SDL2/SDL_image.h>

namespace sdl12 {

namespace {

SDL_Surface* loaded(::SDL_Surface* picture) {
    return picture != nullptr ? adopt(picture, flagsOf(picture)) : nullptr;
}

} // namespace

SDL_Surface* IMG_Load(const char* file) {
    return loaded(::IMG_Load(file));
}

SDL_Surface* IMG_LoadPNG_RW(SDL_RWops* source) {
    return loaded(::IMG_LoadPNG_RW(source));
}

SDL_Surface* IMG_LoadTyped_RW(SDL_RWops* source, int freeSource, const char* type) {
    return loaded(::IMG_LoadTyped_RW(source, freeSource, type));
}

} // namespace sdl12
