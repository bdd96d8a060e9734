// Starting SDL's video, and whether the driver it started with can show the game to a player. Without a
// display SDL may fall back to a driver that draws into memory only; the game would then run unseen until
// killed. The one place that tells a display from none, for every build of the game.
#pragma once

#include <string>

// The name SDL gives the video driver it runs with; empty before video has started.
std::string currentVideoDriver();

// The drivers that show nothing. Tests ask for one on purpose, through SDL_VIDEODRIVER.
bool isInvisibleVideoDriver(const std::string& driver);

// Why no window a player could see can open: empty when the driver shows one, or when the driver in use is
// the one SDL_VIDEODRIVER asked for (given as `requested`, empty when unset).
std::string missingDisplayReason(const std::string& driver, const std::string& requested);

// The same for the driver SDL runs video with now, and the process's own SDL_VIDEODRIVER.
std::string missingDisplayReason();

// The line for SDL's video failing to start with the error given: without DISPLAY or WAYLAND_DISPLAY in the
// environment the want of a display is the likely cause, and the line says so.
std::string videoStartFailure(const std::string& error, bool displayNamed);

// Starts SDL's video: empty when a window a player can see may open; otherwise the one line that says why
// not, with SDL stopped again.
std::string startVideo();
