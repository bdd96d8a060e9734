#include "app/u_preferences.hpp"

#include "resources/u_atomic_file.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_game_folders.hpp"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::string valueText(bool flag) {
    return boolText(flag);
}

std::string valueText(std::int32_t number) {
    return std::to_string(number);
}

const std::string& valueText(const std::string& name) {
    return name;
}

std::string configText(const TPreferences& p) {
    std::string text;
    for (const TSetting& setting : settingsTable) {
        const std::string value =
            std::visit([&p](auto field) -> std::string { return valueText(p.*field); }, setting.field);
        text.append(setting.key).append(":").append(value).append("\n");
    }
    return text;
}

} // namespace

TPreferences::TPreferences() : TPreferences(gameFolders().configFile, gameFolders().createsConfigFolder) {}

TPreferences::TPreferences(std::string filePath) : TPreferences(std::move(filePath), false) {}

TPreferences::TPreferences(std::string filePath, bool createsFolder)
    : filePath_(std::move(filePath)), createsFolder_(createsFolder) {
    load();
}

void TPreferences::load() {
    for (const TSetting& setting : settingsTable) {
        if (setting.initial != nullptr) {
            store(setting, setting.initial);
        }
    }
    readFile();
    keptText_ = configText(*this);
}

void TPreferences::readFile() {
    // The name itself is looked at, not what it leads to: a link to nothing, or a loop of links, is a file
    // that cannot be read, and is kept as it is.
    std::error_code status;
    if (filePath_.empty() || !std::filesystem::exists(std::filesystem::symlink_status(filePath_, status))) {
        return;
    }
    // Only a regular file is opened: a pipe would block the start until some writer came along.
    std::ifstream file;
    if (std::filesystem::is_regular_file(filePath_, status)) {
        file.open(filePath_, std::ios::binary);
    }
    if (!file.is_open()) {
        mayOverwrite_ = false;
        diagnosticLine("Cannot read ", filePath_,
                       ": the default settings are used and the file is left as it is.");
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
    // find_if rather than a ranges projection: the browser's C++ library has no ranges algorithms.
    const auto setting = std::find_if(settingsTable.begin(), settingsTable.end(),
                                      [&key](const TSetting& candidate) { return candidate.key == key; });
    if (setting != settingsTable.end()) {
        store(*setting, subText(line, p + 1, -1));
    }
}

// Takes one value text the way a config.txt line gives it.
void TPreferences::store(const TSetting& setting, const std::string& value) {
    if (const auto* flag = std::get_if<bool TPreferences::*>(&setting.field)) {
        parseBool(value, this->**flag);
    } else if (const auto* number = std::get_if<std::int32_t TPreferences::*>(&setting.field)) {
        const std::int32_t parsed = parseIntIn(value, setting.fallback, setting.low, setting.high);
        // Computer teams count only below the teams read before them.
        if (*number == &TPreferences::nbAi) {
            setNbAi(parsed);
        } else {
            this->** number = parsed;
        }
    } else {
        this->*std::get<std::string TPreferences::*>(setting.field) = value;
    }
}

bool TPreferences::save() const {
    keptText_ = configText(*this);
    if (filePath_.empty()) {
        diagnosticLine("Settings not saved: there is no home folder to keep them in.");
        return false;
    }
    if (!mayOverwrite_) {
        diagnosticLine("Settings not saved: ", filePath_,
                       " could not be read at start and is kept as it was.");
        return false;
    }
    std::string error;
    if (!makeFolder(error) || !replaceFile(filePath_, keptText_, error)) {
        diagnosticLine("Cannot write ", filePath_, ": ", error);
        return false;
    }
    return true;
}

bool TPreferences::saveWhenChanged() {
    if (configText(*this) == keptText_) {
        return false;
    }
    save();
    return true;
}

bool TPreferences::makeFolder(std::string& error) const {
    const std::string folder = std::filesystem::path(filePath_).parent_path().string();
    return !createsFolder_ || folder.empty() || createPlayerFolder(folder, error);
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
