// The config.txt loader against a plain model of the format: every input loads without a fault, each field
// ends as the model says, and a save followed by a load gives the same settings back.
#include "fuzz_support.hpp"

#include "app/u_preferences.hpp"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct TExpected {
    bool activeMusic = true;
    bool activeSounds = true;
    bool fullscreen = false;
    bool scrolling = false;
    std::int32_t nbTeams = 0;
    std::int32_t nbTumboks = 0;
    std::int32_t nbAi = 0;
    std::int32_t nbExplosifs = 0;
    std::string gameMap = "fore_basic.png";
    std::string gameBackground = "back_day.png";
};

// An optional sign and one or more decimal digits, within 32 bits.
std::optional<std::int32_t> decimal(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t numberIn(const std::string& text, std::int32_t fallback, std::int32_t low, std::int32_t high) {
    const std::int32_t value = decimal(text).value_or(fallback);
    return value < low ? low : (value > high ? high : value);
}

void flag(const std::string& text, bool& field) {
    if (text == "True" || text == "False") {
        field = text == "True";
    }
}

TExpected model(const std::string& content) {
    TExpected e;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, colon);
        const std::string value = line.substr(colon + 1);
        if (key == "active_music") {
            flag(value, e.activeMusic);
        } else if (key == "active_sounds") {
            flag(value, e.activeSounds);
        } else if (key == "fullscreen") {
            flag(value, e.fullscreen);
        } else if (key == "scrolling") {
            flag(value, e.scrolling);
        } else if (key == "nb_teams") {
            e.nbTeams = numberIn(value, 4, 1, 4);
        } else if (key == "nb_tumboks") {
            e.nbTumboks = numberIn(value, 7, 1, 300);
        } else if (key == "nb_ai") {
            const std::int32_t ai = numberIn(value, 0, 0, 3);
            e.nbAi = ai < e.nbTeams ? ai : e.nbAi;
        } else if (key == "nb_explosifs") {
            e.nbExplosifs = numberIn(value, 10, 0, 100);
        } else if (key == "game_map") {
            e.gameMap = value;
        } else if (key == "game_background") {
            e.gameBackground = value;
        }
    }
    return e;
}

void requireSame(const TPreferences& p, const TExpected& e, const std::string& when) {
    require(p.activeMusic == e.activeMusic, when + ": active_music");
    require(p.activeSounds == e.activeSounds, when + ": active_sounds");
    require(p.fullscreen == e.fullscreen, when + ": fullscreen");
    require(p.scrolling == e.scrolling, when + ": scrolling");
    require(p.nbTeams == e.nbTeams, when + ": nb_teams");
    require(p.nbTumboks == e.nbTumboks, when + ": nb_tumboks");
    require(p.nbAi == e.nbAi, when + ": nb_ai");
    require(p.nbExplosifs == e.nbExplosifs, when + ": nb_explosifs");
    require(p.gameMap == e.gameMap, when + ": game_map");
    require(p.gameBackground == e.gameBackground, when + ": game_background");
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = scratchDirectory() / "config.txt";
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;

    const TPreferences loaded(path.string());
    const TExpected expected = model(content);
    requireSame(loaded, expected, "first load");
    require(loaded.mayOverwriteFile(), "a readable file was marked as not to be overwritten");

    // A name holding a line feed could not survive the ten-line format; the loader never makes one.
    require(loaded.gameMap.find('\n') == std::string::npos, "line feed in game_map");
    require(loaded.save(), "save failed");
    const std::string written = readFile(path);
    require(std::count(written.begin(), written.end(), '\n') == 10 && written.back() == '\n',
            "config.txt is not ten lines");

    // Numbers that a missing line left at 0 are raised by the next load. A later nb_teams line may have
    // lowered the teams below an nb_ai taken earlier (the setup panel clamps that); the written order then
    // refuses it. Everything else comes back as is.
    TExpected again = expected;
    again.nbTeams = expected.nbTeams == 0 ? 1 : expected.nbTeams;
    again.nbTumboks = expected.nbTumboks == 0 ? 1 : expected.nbTumboks;
    again.nbAi = expected.nbAi < again.nbTeams ? expected.nbAi : 0;
    requireSame(TPreferences(path.string()), again, "reload");
    return 0;
}
