// The player's persistent settings and the ten-line config.txt that keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

struct TSetting;

class TPreferences {
public:
    // Loads from the settings file of the folders in use: config.txt in the working directory, or the
    // player's own.
    TPreferences();
    // A file whose folder must exist; an empty path keeps the settings for this run only.
    explicit TPreferences(std::string filePath);

    void load();
    // Writes through a temporary file and a rename, after making the file's folder when it is the game's own;
    // returns false (after one line on stdout) on failure.
    bool save() const;
    // Saves when the settings differ from those last loaded or saved (one attempt per change, so that a
    // file that cannot be written is reported once); true when it tried.
    bool saveWhenChanged();
    // Taken only when below nbTeams.
    void setNbAi(int value);

    bool activeMusic = false;
    bool activeSounds = false;
    bool fullscreen = false;
    bool scrolling = false;
    std::int32_t nbTeams = 0;
    std::int32_t nbTumboks = 0;
    std::int32_t nbAi = 0;
    std::int32_t nbExplosifs = 0;
    std::string gameMap;
    std::string gameBackground;

    const std::string& path() const { return filePath_; }
    // False when config.txt existed but could not be read: it is then never overwritten.
    bool mayOverwriteFile() const { return mayOverwrite_; }

private:
    TPreferences(std::string filePath, bool createsFolder);
    // Reads config.txt over the initial values, when there is one.
    void readFile();
    void readLine(const std::string& line);
    void store(const TSetting& setting, const std::string& value);
    bool makeFolder(std::string& error) const;

    std::string filePath_;
    bool createsFolder_ = false;
    bool mayOverwrite_ = true;
    // The file's text as last loaded or saved: bookkeeping of the file, not a setting.
    mutable std::string keptText_;
};

// One line of config.txt and the field it fills. Load starts from `initial` (null: the field keeps its
// value); a number that does not convert takes `fallback`, and every number is held to low .. high.
struct TSetting {
    std::string_view key;
    std::variant<bool TPreferences::*, std::int32_t TPreferences::*, std::string TPreferences::*> field;
    const char* initial = nullptr;
    std::int32_t fallback = 0;
    std::int32_t low = 0;
    std::int32_t high = 0;
};

// Every setting, in the order config.txt is written.
inline constexpr std::array<TSetting, 10> settingsTable{{
    {"active_music", &TPreferences::activeMusic, "True"},
    {"active_sounds", &TPreferences::activeSounds, "True"},
    {"fullscreen", &TPreferences::fullscreen, "False"},
    {"scrolling", &TPreferences::scrolling},
    {"nb_teams", &TPreferences::nbTeams, nullptr, 4, 1, 4},
    {"nb_tumboks", &TPreferences::nbTumboks, nullptr, 7, 1, 300},
    {"nb_ai", &TPreferences::nbAi, nullptr, 0, 0, 3},
    {"nb_explosifs", &TPreferences::nbExplosifs, nullptr, 10, 0, 100},
    {"game_map", &TPreferences::gameMap, "fore_basic.png"},
    {"game_background", &TPreferences::gameBackground, "back_day.png"},
}};

// The row of a number field, found while compiling: a field without a row does not build.
consteval const TSetting& settingOf(std::int32_t TPreferences::*field) {
    for (const TSetting& setting : settingsTable) {
        using TNumber = std::int32_t TPreferences::*;
        if (std::holds_alternative<TNumber>(setting.field) && std::get<TNumber>(setting.field) == field) {
            return setting;
        }
    }
    throw "no setting for this field";
}

// Text helpers of the config reader; positions are 1-based.
int findChar(const std::string& text, char c);
std::string subText(const std::string& text, int first, int last);
int clampInt(int value, int low, int high);
int parseIntIn(const std::string& text, int defaultValue, int low, int high);
void parseBool(const std::string& text, bool& flag);
std::string boolText(bool flag);
