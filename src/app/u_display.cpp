#include "app/u_display.hpp"

#include "app/u_preferences.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_image_loader.hpp"

TDisplay::TDisplay(TPreferences& preferences)
    : fullscreenApplied(!preferences.fullscreen), preferences(preferences) {
    if (applyVideoMode()) {
        loadingImage = loadOtherImage(dataFile::loading, TImageConversion::ConversionOpaque);
    }
}

bool TDisplay::setMode(bool fullscreen) {
    SDL_Surface* mode = SDL_SetVideoMode(width, height, depth, fullscreen ? SDL_FULLSCREEN : 0);
    if (mode == nullptr) {
        return false;
    }
    screen = mode;
    fullscreenApplied = fullscreen;
    ++modeSets_;
    return true;
}

bool TDisplay::applyVideoMode() {
    if (screen != nullptr && fullscreenApplied == preferences.fullscreen) {
        return true;
    }
    bool ok = setMode(preferences.fullscreen);
    if (!ok && preferences.fullscreen) {
        diagnosticLine("Full screen is not available (", SDL_GetError(), "); using a window.");
        preferences.fullscreen = false;
        ok = setMode(false);
    }
    if (!ok) {
        diagnosticLine("Cannot open the window: ", SDL_GetError());
        screen = nullptr;
        return false;
    }
    icon = loadOtherImage(dataFile::icon, TImageConversion::ConversionAlpha);
    SDL_WM_SetCaption(title, title);
    SDL_WM_SetIcon(icon.get(), nullptr);
    return true;
}

void TDisplay::showLoading() {
    if (screen == nullptr) {
        return;
    }
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    if (loadingImage) {
        SDL_Rect position = {static_cast<Sint16>((screen->w - loadingImage->w) / 2),
                             static_cast<Sint16>((screen->h - loadingImage->h) / 2), 0, 0};
        SDL_BlitSurface(loadingImage.get(), nullptr, screen, &position);
    }
    SDL_UpdateRect(screen, 0, 0, 0, 0);
}
