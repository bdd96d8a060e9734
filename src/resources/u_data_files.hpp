// The name of every data file the game asks for, and the largest picture the game decodes, written once for
// the game, for the generator that makes them and for the tests that check them. Map pictures are not listed:
// the game finds them by their prefix.
#pragma once

#include "resources/u_png_header.hpp"

#include <string>

namespace dataFile {

// fonts
inline constexpr const char* fontBig = "font_big.png";
inline constexpr const char* fontMedium = "font_medium.png";
inline constexpr const char* fontSmall = "font_small.png";

// game-images
inline constexpr const char* smokeFrames = "smoke-frames.png";
inline constexpr const char* windSockLeft = "wind_sock-left.png";
inline constexpr const char* windSockRight = "wind_sock-right.png";
inline constexpr const char* bigArrow = "big-arrow.png";
inline constexpr const char* tumbokLegs = "tumbok-legs.png";
inline constexpr const char* tumbokBellyHead = "tumbok-bellyhead.png";
inline constexpr const char* handsLeft = "weapons-nothing-left.png";
inline constexpr const char* handsRight = "weapons-nothing-right.png";
inline constexpr const char* tumbokDead = "tumbok-dead.png";
inline constexpr const char* explosionFrames = "explosion-frames.png";
inline constexpr const char* explosif = "explosif.png";
inline constexpr const char* escMenuBackground = "esc-menu-bg.png";

// A team's flag; size 0 is the big one, 1 the small one.
inline std::string flag(int flagNumber, int size) {
    return "flags-" + std::to_string(flagNumber) + "-" + std::to_string(size) + ".png";
}
// A held weapon ("bow", "bazooka", "grenade") and its projectile.
inline std::string weapon(const std::string& picture, bool facingRight) {
    return "weapons-" + picture + (facingRight ? "-right" : "-left") + ".png";
}
inline std::string projectile(const std::string& picture) {
    return "projectiles-" + picture + ".png";
}

// other-images
inline constexpr const char* icon = "icon.png";
// The same picture for desktops, which want a large one to scale down.
inline constexpr const char* iconLarge = "icon-256.png";
inline constexpr const char* loading = "loading.png";
inline constexpr const char* mainMenuBackground = "mainmenu-bg.png";
inline constexpr const char* logoSmall = "morvatek.small.png";
inline constexpr const char* itemLocalMatch = "mainmenu-items-quick_match.png";
inline constexpr const char* itemNetworkMatch = "mainmenu-items-network_match.png";
inline constexpr const char* itemSettings = "mainmenu-items-options.png";
inline constexpr const char* itemQuit = "mainmenu-items-quit.png";
inline constexpr const char* optionsBackground = "options-bg.png";
inline constexpr const char* widgetsCross = "widgets-cross.png";
inline constexpr const char* buttonTop = "top.png";
inline constexpr const char* buttonBottom = "bottom.png";
inline constexpr const char* optionsMini = "options-mini.png";
inline constexpr const char* quitMini = "quit-mini.png";
inline constexpr const char* toggleMusic = "options-items-music.png";
inline constexpr const char* toggleSounds = "options-items-sounds.png";
inline constexpr const char* toggleFullscreen = "options-items-fullscreen.png";
inline constexpr const char* toggleScrolling = "options-items-scrolling.png";
inline constexpr const char* buttonOk = "ok.png";
inline constexpr const char* buttonCancel = "cancel.png";

// noise
inline constexpr const char* jumpSound = "jump.wav";
inline constexpr const char* fireSound = "fire.wav";
inline constexpr const char* arrowSound = "arrow.wav";
inline constexpr const char* plantSound = "plant.wav";
inline constexpr const char* explosionSound = "explosion.wav";
inline constexpr const char* bounceSound = "bounce.wav";
inline constexpr const char* throwSound = "throw.wav";
inline constexpr const char* voice1Sound = "voice1.wav";
inline constexpr const char* voice2Sound = "voice2.wav";
inline constexpr const char* hanSound = "han.ogg";
inline constexpr const char* gameMusic = "music-game.mod";

} // namespace dataFile

// The largest map picture the game loads and the generator draws: a larger one, with the copies a match
// makes of it, would not fit in memory.
inline constexpr int mapMaxWidth = 8192;
inline constexpr int mapMaxHeight = 4096;
inline constexpr TPictureSize mapPictureBound{mapMaxWidth, mapMaxHeight};

// The largest of every other picture the game decodes. The window is 800 x 600 and the largest sheet the
// generator draws is far below this; a larger file dropped in its place is refused unread, so that it cannot
// stall the start of a screen or fill the memory.
inline constexpr TPictureSize pictureBound{4096, 4096};
