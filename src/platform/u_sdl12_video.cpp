#include "platform/u_sdl12_video.hpp"

#include "platform/u_sdl12_events.hpp"
#include "platform/u_sdl2_native.hpp"

#include <string>

namespace sdl12 {

namespace {

// The window shows the video surface through a texture, scaled to the desktop in full screen; the renderer
// also maps the mouse back to the surface's coordinates.
struct TVideo {
    ::SDL_Window* window = nullptr;
    ::SDL_Renderer* renderer = nullptr;
    ::SDL_Texture* texture = nullptr;
    std::string title;
    std::string iconTitle;
    ::SDL_Surface* icon = nullptr; // a reference of the layer's own
};

TVideo& video() {
    static TVideo state;
    return state;
}

void releaseIcon(TVideo& v) {
    ::SDL_FreeSurface(v.icon);
    v.icon = nullptr;
}

void closeWindow(TVideo& v) {
    destroySurface(SDL_GetVideoSurface());
    setVideoSurface(nullptr);
    if (v.texture != nullptr) {
        ::SDL_DestroyTexture(v.texture);
        v.texture = nullptr;
    }
    if (v.renderer != nullptr) {
        ::SDL_DestroyRenderer(v.renderer);
        v.renderer = nullptr;
    }
    if (v.window != nullptr) {
        ::SDL_DestroyWindow(v.window);
        v.window = nullptr;
    }
}

void showIcon(const TVideo& v) {
    if (v.window != nullptr && v.icon != nullptr && v.icon->w > 0 && v.icon->h > 0) {
        ::SDL_SetWindowIcon(v.window, v.icon);
    }
}

bool openWindow(TVideo& v, int width, int height, bool fullscreen) {
    const Uint32 flags = fullscreen ? ::SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    v.window = ::SDL_CreateWindow(v.title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                  height, flags);
    if (v.window == nullptr) {
        return false;
    }
    v.renderer = ::SDL_CreateRenderer(v.window, -1, 0);
    if (v.renderer == nullptr) {
        closeWindow(v);
        return false;
    }
    showIcon(v);
    return true;
}

// The window takes the new size and state; it is kept, so that the window manager sees one window.
bool reshapeWindow(TVideo& v, int width, int height, bool fullscreen) {
    if (::SDL_SetWindowFullscreen(v.window, fullscreen ? ::SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        return false;
    }
    if (!fullscreen) {
        ::SDL_SetWindowSize(v.window, width, height);
    }
    return true;
}

} // namespace

int SDL_Init(Uint32 flags) {
    return ::SDL_Init(flags) == 0 ? 0 : -1;
}

int SDL_InitSubSystem(Uint32 flags) {
    return ::SDL_InitSubSystem(flags) == 0 ? 0 : -1;
}

char* SDL_VideoDriverName(char* namebuf, int maxlen) {
    const char* name = ::SDL_GetCurrentVideoDriver();
    if (name == nullptr || namebuf == nullptr || maxlen <= 0) {
        return nullptr;
    }
    ::SDL_strlcpy(namebuf, name, static_cast<std::size_t>(maxlen));
    return namebuf;
}

void SDL_Quit() {
    TVideo& v = video();
    closeWindow(v);
    releaseIcon(v);
    resetEvents();
    ::SDL_Quit();
}

SDL_Surface* SDL_SetVideoMode(int width, int height, int /*bitsPerPixel*/, Uint32 flags) {
    TVideo& v = video();
    const bool fullscreen = (flags & surfaceFullscreen) != 0;
    const bool ready = v.window != nullptr ? reshapeWindow(v, width, height, fullscreen)
                                           : openWindow(v, width, height, fullscreen);
    if (!ready) {
        return nullptr;
    }
    ::SDL_Texture* texture = ::SDL_CreateTexture(v.renderer, ::SDL_PIXELFORMAT_RGB888,
                                                 ::SDL_TEXTUREACCESS_STREAMING, width, height);
    ::SDL_Surface* pixels = ::SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, ::SDL_PIXELFORMAT_RGB888);
    if (texture == nullptr || pixels == nullptr ||
        ::SDL_RenderSetLogicalSize(v.renderer, width, height) != 0) {
        ::SDL_FreeSurface(pixels);
        if (texture != nullptr) {
            ::SDL_DestroyTexture(texture);
        }
        return nullptr;
    }
    if (v.texture != nullptr) {
        ::SDL_DestroyTexture(v.texture);
    }
    v.texture = texture;
    // One video surface for the whole run, as 1.2 programs may keep it across mode changes.
    const Uint32 screenFlags = surfacePreallocated | (fullscreen ? surfaceFullscreen : 0);
    if (SDL_GetVideoSurface() == nullptr) {
        setVideoSurface(adopt(pixels, screenFlags));
    } else {
        readopt(SDL_GetVideoSurface(), pixels, screenFlags);
    }
    return SDL_GetVideoSurface();
}

void SDL_UpdateRect(SDL_Surface* screen, Sint32 /*x*/, Sint32 /*y*/, Uint32 /*w*/, Uint32 /*h*/) {
    const TVideo& v = video();
    if (screen == nullptr || screen != SDL_GetVideoSurface()) {
        return;
    }
    ::SDL_UpdateTexture(v.texture, nullptr, screen->pixels, screen->pitch);
    ::SDL_RenderClear(v.renderer);
    ::SDL_RenderCopy(v.renderer, v.texture, nullptr, nullptr);
    ::SDL_RenderPresent(v.renderer);
}

int SDL_Flip(SDL_Surface* screen) {
    SDL_UpdateRect(screen, 0, 0, 0, 0);
    return 0;
}

void SDL_WM_SetCaption(const char* title, const char* icon) {
    TVideo& v = video();
    if (title != nullptr) {
        v.title = title;
        if (v.window != nullptr) {
            ::SDL_SetWindowTitle(v.window, title);
        }
    }
    if (icon != nullptr) {
        v.iconTitle = icon;
    }
}

void SDL_WM_GetCaption(char** title, char** icon) {
    TVideo& v = video();
    if (title != nullptr) {
        *title = v.title.data();
    }
    if (icon != nullptr) {
        *icon = v.iconTitle.data();
    }
}

void SDL_WM_SetIcon(SDL_Surface* icon, Uint8* /*mask*/) {
    TVideo& v = video();
    releaseIcon(v);
    v.icon = nativeOf(icon);
    if (v.icon != nullptr) {
        ++v.icon->refcount;
    }
    showIcon(v);
}

} // namespace sdl12
