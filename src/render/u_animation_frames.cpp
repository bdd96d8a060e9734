#include "render/u_animation_frames.hpp"

#include "resources/u_surface_utils.hpp"

TSurfaceFrames cutAnimationFrames(SDL_Surface* sheet, int count) {
    TSurfaceFrames frames;
    if (count <= 0) {
        return frames;
    }
    const int width = sheet->w;
    const int height = sheet->h / count;
    for (int i = 0; i < count; ++i) {
        SurfacePtr frame = createSurface(width, height, true);
        SDL_FillRect(frame.get(), nullptr, SDL_MapRGBA(frame->format, 0, 0, 0, 0));
        SDL_Rect part = {0, static_cast<Sint16>(i * height), static_cast<Uint16>(width),
                         static_cast<Uint16>(height)};
        SDL_Rect at = {0, 0, 0, 0};
        blendSurface(sheet, &part, frame.get(), &at);
        frames.push_back(std::move(frame));
    }
    return frames;
}
