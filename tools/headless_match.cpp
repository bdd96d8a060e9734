// Plays one whole match without a window or a player and prints one line: the outcome, frames and turns.
// Usage: headless_match [--stamped] <seed> <teams> <tumboks per team> <frame bound> [boxes]
//        [terrain picture | generated] [computer teams]
// --stamped stamps graves and stuck arrows into the terrain, as the game does.
// Exits 0 when the match ended within the bound, 1 when it did not, 2 on a bad command line.
#include "support/headless_match.hpp"
#include "app/u_preferences.hpp"

#include <SDL.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace {

bool parseInt(const char* text, long long low, long long high, long long& value) {
    const std::string s(text);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() && value >= low && value <= high;
}

// The game's pictures and sounds live in data/ beside the build's executables, one level above this tool.
void enterDataDirectory() {
    std::error_code error;
    if (std::filesystem::is_directory("data", error)) {
        return;
    }
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && std::filesystem::is_directory(self.parent_path().parent_path() / "data", error)) {
        std::filesystem::current_path(self.parent_path().parent_path(), error);
    }
}

// The first terrain picture of the map directory, chosen by the seed; empty when there is none.
std::string pickMap(std::uint32_t seed) {
    std::vector<std::string> maps;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("data/maps", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("fore_") && name.ends_with(".png")) {
            maps.push_back(name);
        }
    }
    std::sort(maps.begin(), maps.end());
    return maps.empty() ? std::string() : maps[seed % maps.size()];
}

constexpr const TSetting& teamsSetting = settingOf(&TPreferences::nbTeams);
constexpr const TSetting& tumboksSetting = settingOf(&TPreferences::nbTumboks);
constexpr const TSetting& boxesSetting = settingOf(&TPreferences::nbExplosifs);

} // namespace

int main(int argc, char** argv) {
    const bool stamped = argc > 1 && std::string(argv[1]) == "--stamped";
    if (stamped) {
        --argc;
        ++argv;
    }
    long long seed = 0, teams = 0, tumboks = 0, frames = 0, boxes = 10, computers = 0;
    if (argc < 5 || argc > 8 || !parseInt(argv[1], 0, 0xFFFFFFFFLL, seed) ||
        !parseInt(argv[2], 2, teamsSetting.high, teams) ||
        !parseInt(argv[3], tumboksSetting.low, tumboksSetting.high, tumboks) ||
        !parseInt(argv[4], 1, 100000000, frames) ||
        (argc > 5 && !parseInt(argv[5], boxesSetting.low, boxesSetting.high, boxes)) ||
        (argc > 7 && !parseInt(argv[7], 0, teams - 1, computers))) {
        std::cerr << "usage: headless_match [--stamped] <seed> <teams 2-" << teamsSetting.high
                  << "> <tumboks " << tumboksSetting.low << "-" << tumboksSetting.high
                  << "> <frame bound> [boxes " << boxesSetting.low << "-" << boxesSetting.high
                  << "] [terrain picture | generated] [computer teams 0-(teams-1)]" << std::endl;
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || SDL_SetVideoMode(800, 600, 32, 0) == nullptr) {
        std::cerr << "cannot open the dummy video mode: " << SDL_GetError() << std::endl;
        return 2;
    }
    enterDataDirectory();
    THeadlessSettings settings;
    settings.seed = static_cast<std::uint32_t>(seed);
    settings.nbTeams = static_cast<int>(teams);
    settings.nbTumboks = static_cast<int>(tumboks);
    settings.maxFrames = static_cast<int>(frames);
    settings.nbExplosifs = static_cast<int>(boxes);
    settings.nbAi = static_cast<int>(computers);
    settings.stamped = stamped;
    const std::string map = argc > 6 ? std::string(argv[6]) : pickMap(settings.seed);
    settings.mapName = map == "generated" ? std::string() : map;
    const THeadlessResult result = runHeadlessMatch(settings);
    std::cout << headlessSummary(result) << std::endl;
    SDL_Quit();
    return result.finished ? 0 : 1;
}
