#include "app/u_video_driver.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <strings.h>

namespace {

// SDL's names for the drivers that draw into memory only.
constexpr std::array<std::string_view, 2> invisibleDrivers = {"dummy", "offscreen"};

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool sameName(const std::string& a, const std::string& b) {
    return ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

} // namespace

std::string currentVideoDriver() {
    std::array<char, 64> name{};
    return SDL_VideoDriverName(name.data(), static_cast<int>(name.size())) != nullptr ? name.data()
                                                                                      : std::string();
}

bool isInvisibleVideoDriver(const std::string& driver) {
    // Not std::ranges: the browser build's C++ library lacks its algorithms.
    return std::any_of(invisibleDrivers.begin(), invisibleDrivers.end(),
                       [&driver](std::string_view name) { return sameName(driver, std::string(name)); });
}

std::string missingDisplayReason(const std::string& driver, const std::string& requested) {
    if (!isInvisibleVideoDriver(driver) || sameName(driver, requested)) {
        return {};
    }
    return "no display (set DISPLAY or WAYLAND_DISPLAY, or start the game from a desktop)";
}

std::string missingDisplayReason() {
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return missingDisplayReason(currentVideoDriver(), requested != nullptr ? requested : "");
}

std::string videoStartFailure(const std::string& error, bool displayNamed) {
    return displayNamed ? "Cannot start SDL: " + error : "Cannot open the window: no display (" + error + ")";
}

std::string startVideo() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return videoStartFailure(SDL_GetError(), isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"));
    }
    const std::string reason = missingDisplayReason();
    if (reason.empty()) {
        return {};
    }
    SDL_Quit();
    return "Cannot open the window: " + reason;
}
