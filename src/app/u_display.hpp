// The game window: video mode, title and icon, and the loading picture shown between screens.
#pragma once

#include "resources/u_sdl_handles.hpp"

class TPreferences;

class TDisplay {
public:
    static constexpr int width = 800;
    static constexpr int height = 600;
    static constexpr int depth = 32;
    static constexpr const char* title = "Morvatek - il va y avoir de l'A-Tumbok !";

    explicit TDisplay(TPreferences& preferences);
    TDisplay(const TDisplay&) = delete;
    TDisplay& operator=(const TDisplay&) = delete;

    // Sets the mode the full-screen preference asks for, when it differs from the applied one.
    // Full screen that fails falls back to a window (and clears the preference); false when no mode could be
    // set.
    bool applyVideoMode();
    void showLoading();
    // False when the window could not be opened; nothing may draw then.
    bool ready() const { return screen != nullptr; }
    // How many times a video mode was set, successfully.
    int modeSetCount() const { return modeSets_; }

    bool fullscreenApplied;
    SurfacePtr icon;
    TPreferences& preferences;
    SurfacePtr loadingImage;
    SDL_Surface* screen = nullptr; // belongs to SDL; changes at every mode switch

private:
    bool setMode(bool fullscreen);

    int modeSets_ = 0;
};
