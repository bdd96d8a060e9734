// Pictures of other formats that declare a huge size, as an attacker would name them .png: each would reach
// a decoder the game never meant to use if the loader guessed the format from the content.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace hostile_pictures {

// Little-endian 16-bit value, as GIF, TGA and BMP headers keep their sizes.
inline std::string le16(unsigned value) {
    return {static_cast<char>(value & 0xFFU), static_cast<char>((value >> 8U) & 0xFFU)};
}

inline std::string le32(unsigned value) {
    return le16(value & 0xFFFFU) + le16(value >> 16U);
}

// Each picture's format and bytes; every one declares 65535 x 65535 pixels.
inline std::vector<std::pair<std::string, std::string>> all() {
    const std::string huge = le16(0xFFFF) + le16(0xFFFF);
    const std::string gif = "GIF89a" + huge + std::string("\x80\x00\x00", 3) + std::string(6, '\0') + "," +
                            std::string(4, '\0') + huge + std::string("\0\x02\x02\x44\x01\0;", 7);
    const std::string tga =
        std::string("\0\0\x02", 3) + std::string(9, '\0') + huge + "\x20\x08" + std::string(64, '\xFF');
    const std::string bmp = "BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(0xFFFF) + le32(0xFFFF) +
                            le16(1) + le16(32) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) +
                            std::string(64, '\x7F');
    const std::string xpm = "/* XPM */\nstatic char *x[] = {\n\"65535 65535 1 1\",\n\"a c #000000\",\n"
                            "\"aaaa\"\n};\n";
    return {{"GIF", gif}, {"TGA", tga}, {"BMP", bmp}, {"XPM", xpm}};
}

} // namespace hostile_pictures
