// The player's persistent settings and the ten-line config.txt that keeps them.
#pragma once

#include <cstdint>
#include <string>

class TPreferences {
public:
    // Loads from config.txt in the working directory.
    TPreferences();
    explicit TPreferences(std::string filePath);

    void load();
    // Writes through a temporary file and a rename; returns false (after one line on stdout) on failure.
    bool save() const;
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
    void readLine(const std::string& line);

    std::string filePath_;
    bool mayOverwrite_ = true;
};

// Text helpers of the config reader; positions are 1-based.
int findChar(const std::string& text, char c);
std::string subText(const std::string& text, int first, int last);
int clampInt(int value, int low, int high);
int parseIntIn(const std::string& text, int defaultValue, int low, int high);
void parseBool(const std::string& text, bool& flag);
std::string boolText(bool flag);
