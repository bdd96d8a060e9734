#include "app/u_preferences.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const configFileName = "config.txt";

std::string configText(const TPreferences& p) {
    return "active_music:" + boolText(p.activeMusic) + "\n" + "active_sounds:" + boolText(p.activeSounds) +
           "\n" + "fullscreen:" + boolText(p.fullscreen) + "\n" + "scrolling:" + boolText(p.scrolling) +
           "\n" + "nb_teams:" + std::to_string(p.nbTeams) + "\n" +
           "nb_tumboks:" + std::to_string(p.nbTumboks) + "\n" + "nb_ai:" + std::to_string(p.nbAi) + "\n" +
           "nb_explosifs:" + std::to_string(p.nbExplosifs) + "\n" + "game_map:" + p.gameMap + "\n" +
           "game_background:" + p.gameBackground + "\n";
}

bool writeAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the whole text to a temporary file beside the target and renames it over the target,
// so the target is either the old file or the new one, never a truncated mix.
bool replaceFile(const std::string& target, const std::string& text, std::string& error) {
    const std::string temporary = target + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    if (!ok) {
        error = std::strerror(errno);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = std::strerror(errno);
    }
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = std::strerror(errno);
    }
    if (!ok) {
        std::remove(temporary.c_str());
    }
    return ok;
}

} // namespace

TPreferences::TPreferences() : TPreferences(configFileName) {}

TPreferences::TPreferences(std::string filePath) : filePath_(std::move(filePath)) {
    load();
}

void TPreferences::load() {
    activeMusic = true;
    activeSounds = true;
    fullscreen = false;
    gameMap = "fore_basic.png";
    gameBackground = "back_day.png";

    std::error_code status;
    if (!std::filesystem::exists(filePath_, status)) {
        return;
    }
    // Only a regular file is opened: a pipe would block the start until some writer came along.
    std::ifstream file;
    if (std::filesystem::is_regular_file(filePath_, status)) {
        file.open(filePath_, std::ios::binary);
    }
    if (!file.is_open()) {
        mayOverwrite_ = false;
        std::cout << "Cannot read " << filePath_
                  << ": the default settings are used and the file is left as it is." << std::endl;
        return;
    }
    std::string line;
    while (std::getline(file, line)) {
        readLine(line);
    }
}

void TPreferences::readLine(const std::string& line) {
    const int p = findChar(line, ':');
    if (p == -1) {
        return;
    }
    const std::string key = subText(line, 1, p - 1);
    const std::string value = subText(line, p + 1, -1);
    if (key == "active_music") {
        parseBool(value, activeMusic);
    } else if (key == "active_sounds") {
        parseBool(value, activeSounds);
    } else if (key == "fullscreen") {
        parseBool(value, fullscreen);
    } else if (key == "scrolling") {
        parseBool(value, scrolling);
    } else if (key == "nb_teams") {
        nbTeams = parseIntIn(value, 4, 1, 4);
    } else if (key == "nb_tumboks") {
        nbTumboks = parseIntIn(value, 7, 1, 300);
    } else if (key == "nb_ai") {
        setNbAi(parseIntIn(value, 0, 0, 3));
    } else if (key == "nb_explosifs") {
        nbExplosifs = parseIntIn(value, 10, 0, 100);
    } else if (key == "game_map") {
        gameMap = value;
    } else if (key == "game_background") {
        gameBackground = value;
    }
}

bool TPreferences::save() const {
    if (!mayOverwrite_) {
        std::cout << "Settings not saved: " << filePath_
                  << " could not be read at start and is kept as it was." << std::endl;
        return false;
    }
    std::string error;
    if (!replaceFile(filePath_, configText(*this), error)) {
        std::cout << "Cannot write " << filePath_ << ": " << error << std::endl;
        return false;
    }
    return true;
}

void TPreferences::setNbAi(int value) {
    if (value < nbTeams) {
        nbAi = value;
    }
}

int findChar(const std::string& text, char c) {
    const std::size_t position = text.find(c);
    return position == std::string::npos ? -1 : static_cast<int>(position) + 1;
}

std::string subText(const std::string& text, int first, int last) {
    const long length = static_cast<long>(text.size());
    const auto absolute = [length](long position) { return position < 0 ? length + position + 1 : position; };
    const long from = std::max(1L, absolute(first));
    const long to = std::min(length, absolute(last));
    if (to < from) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

int clampInt(int value, int low, int high) {
    return std::min(std::max(value, low), high);
}

int parseIntIn(const std::string& text, int defaultValue, int low, int high) {
    // An optional sign and at least one digit, nothing else; values beyond 32 bits do not convert.
    std::size_t start = (!text.empty() && text[0] == '+') ? 1 : 0;
    if (start == 1 && text.size() > 1 && text[1] == '-') {
        return clampInt(defaultValue, low, high);
    }
    std::int32_t value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    const bool converted = error == std::errc() && end == last && first != last;
    return clampInt(converted ? value : defaultValue, low, high);
}

void parseBool(const std::string& text, bool& flag) {
    if (text == "True") {
        flag = true;
    } else if (text == "False") {
        flag = false;
    }
}

std::string boolText(bool flag) {
    return flag ? "True" : "False";
}
