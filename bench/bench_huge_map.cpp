// The largest map a player may make, 8192 x 4096, drawn by the map generator as a player would: a whole frame
// of a full match there, the worst frame of a chain of 100 boxes, and the start of a match from the setup
// panel's check to the first frame. Each runs beside the floor case, as every benchmark does.
#include "support/box_chain.hpp"
#include "support/manual_clock.hpp"
#include "support/physics_peer.hpp"
#include "support/process_memory.hpp"
#include "support/temp_dir.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "game/u_game_display.hpp"
#include "menus/u_panel_game.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_placement.hpp"
#include "render/u_map_display.hpp"
#include "render/u_map_moves.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_font.hpp"
#include "resources/u_game_folders.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* hugeTerrain = "fore_huge.png";
constexpr const char* hugeSize = "8192x4096";
// The boxes of the chain stand within this many pixels of the map's middle, as close as on the usual maps.
constexpr int chainHalfWidth = 800;
constexpr int chainFrameBound = 3000;

// The generated terrain, made once per run where the game looks for a player's own maps; MORVATEK_HUGE_MAP
// may name one made before (the benchmark report makes it once for all its measures).
class THugeMapFolder {
public:
    THugeMapFolder() : folders_(withOwnMaps(folder_.path().string())) {
        const char* given = std::getenv("MORVATEK_HUGE_MAP");
        const std::string target = path();
        const std::string command =
            given != nullptr && *given != '\0'
                ? "cp '" + std::string(given) + "' '" + target + "'"
                : "./assetgen --terrain hills --seed 1 --size " + std::string(hugeSize) + " '" + target + "'";
        if (std::system(command.c_str()) != 0) {
            throw std::runtime_error("cannot make the huge terrain: " + command);
        }
    }

    std::string path() const { return (folder_ / hugeTerrain).string(); }

private:
    static TGameFolders withOwnMaps(const std::string& directory) {
        TGameFolders folders = gameFolders();
        folders.ownMapDirectory = directory;
        return folders;
    }

    TTempDir folder_;
    TFoldersInUse folders_;
};

const THugeMapFolder& hugeMapFolder() {
    static const THugeMapFolder folder;
    return folder;
}

// The process's highest resident memory since the last reset, in megabytes.
double peakMegabytes() {
    return static_cast<double>(peakMemoryKiB()) / 1024.0;
}

// The shared objects of the game for a match on the huge terrain: 4 x 300 tumboks and 100 boxes, silent.
class THugeMatchSetting {
public:
    THugeMatchSetting() : context((scratch / "config.txt").string()), display(silent(context.preferences)) {
        TPreferences& preferences = context.preferences;
        preferences.gameMap = hugeTerrain;
        preferences.gameBackground = "back_day.png";
        preferences.nbTeams = teamCount;
        preferences.nbTumboks = tumboksPerTeam;
        preferences.nbAi = 0;
        preferences.nbExplosifs = boxCount;
        seedRandom(11);
    }

    const TTempDir scratch;
    TContext context;
    TDisplay display;
    TFont font;
    TNoise noise{context.preferences};

private:
    static TPreferences& silent(TPreferences& preferences) {
        preferences.activeSounds = false;
        preferences.activeMusic = false;
        return preferences;
    }
};

// A match on the huge terrain as the game screen runs it, on a clock that stands still so the turn never
// runs out while frames are measured.
class THugeMatch {
public:
    THugeMatch() {
        hugeMapFolder();
        const TDiagnosticCapture quiet; // flag pictures may be missing here
        SurfacePtr terrain = loadMapImage(hugeTerrain, TImageConversion::ConversionAlpha);
        if (terrain->w == 0) {
            throw std::runtime_error(std::string("the game cannot load the huge terrain ") + hugeTerrain);
        }
        game = std::make_unique<TGameDisplay>(setting.display, setting.context, setting.font, setting.noise,
                                              std::move(terrain), clock);
        game->physics->keepSeededSequence();
    }

    bool frame() { return game->frame({}); }

    // The camera where the player sent it.
    void look(int x, int y) {
        game->mapDisplay->freeView = true;
        game->mapDisplay->moves->setView(false, x, y);
    }

    THugeMatchSetting setting;
    TManualClock clock;
    std::unique_ptr<TGameDisplay> game;
};

void BM_FrameHuge(benchmark::State& state) {
    THugeMatch match;
    // Let the bodies settle first: a frame of a quiet turn is what is measured.
    for (int i = 0; i < 100; ++i) {
        match.frame();
    }
    int index = 0;
    for (auto _ : state) {
        // The camera sweeps the whole map, as far as it reaches each way.
        match.look((index * 97) % 7392, (index * 41) % 3496);
        match.frame();
        ++index;
    }
}
BENCHMARK(BM_FrameHuge);

// The boxes gathered in the middle of the map, on ground they stand on, so that one blast sets off all 100.
void gatherBoxes(TPhysics& physics) {
    const TStandingSpots spots(physics.terrainSurface(), TExplosif::explosifSize, TExplosif::explosifSize,
                               TExplosif::explosifSize, TExplosif::explosifSize);
    const int middle = physics.terrainSurface()->w / 2;
    std::vector<TPixelPoint> near;
    for (const TPixelPoint& spot : spots.spots()) {
        if (std::abs(spot.x - middle) < chainHalfWidth) {
            near.push_back(spot);
        }
    }
    TExplosifsManager& boxes = peer(physics).explosifs();
    for (int i = 0; i < boxes.count() && !near.empty(); ++i) {
        const TPixelPoint spot = near[near.size() * static_cast<std::size_t>(i) / boxes.count()];
        boxes.at(i).position = vector(spot.x, spot.y);
    }
}

// The processor time this thread has used, in seconds.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The slowest whole frame of a chain, drawing and minimap included, from the first blast to the last: by the
// clock, and by the processor time of the frame alone, which other work on the machine does not stretch.
struct TWorstFrame {
    double seconds = 0.0;
    double processorSeconds = 0.0;
    int frames = 0;
};

TWorstFrame worstChainFrame() {
    THugeMatch match;
    TPhysics& physics = *match.game->physics;
    gatherBoxes(physics);
    for (int i = 0; i < settlingFrames; ++i) {
        match.frame();
    }
    TExplosifsManager& boxes = peer(physics).explosifs();
    int first = 0;
    const int middle = physics.terrainSurface()->w / 2;
    for (int i = 0; i < boxes.count(); ++i) {
        if (std::abs(boxes.at(i).position.x - middle) < std::abs(boxes.at(first).position.x - middle)) {
            first = i;
        }
    }
    match.look(middle - 400, static_cast<int>(boxes.at(first).position.y) - 300);
    boxes.explode(first);
    TWorstFrame worst;
    while (!physics.view().explosions.allFinished() && worst.frames < chainFrameBound) {
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = threadSeconds();
        match.frame();
        worst.processorSeconds = std::max(worst.processorSeconds, threadSeconds() - processorStart);
        worst.seconds = std::max(
            worst.seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        ++worst.frames;
    }
    return worst;
}

void BM_ChainExplosionWorstStepHuge(benchmark::State& state) {
    TWorstFrame worst;
    double processor = 0.0;
    for (auto _ : state) {
        worst = worstChainFrame();
        state.SetIterationTime(worst.seconds);
        processor += worst.processorSeconds;
    }
    state.counters["frames"] = worst.frames;
    // The mean over the iterations, in the unit of the time: the report sets it beside the floor's.
    state.counters["processorTime"] = processor / static_cast<double>(state.iterations()) * 1e9;
}
BENCHMARK(BM_ChainExplosionWorstStepHuge)->UseManualTime()->Iterations(3);

// From "Play !" on the setup panel (its check of the chosen maps) to the first frame of the match on the
// huge terrain; peakMB is the process's peak memory over that time, choosingPeakMB its peak while the panel
// opens with the huge terrain chosen (its preview decodes the pictures that the match then takes over).
void BM_MatchStartHuge(benchmark::State& state) {
    hugeMapFolder();
    double peak = 0.0;
    double choosingPeak = 0.0;
    for (auto _ : state) {
        THugeMatchSetting setting;
        resetPeakMemory();
        TPanelGame panel(setting.display, setting.context, setting.font, setting.noise);
        panel.drawScreen();
        choosingPeak = std::max(choosingPeak, peakMegabytes());
        SDL_Event play{};
        play.type = SDL_KEYDOWN;
        play.key.keysym.sym = SDLK_RETURN;
        TScreenType next = TScreenType::ScreenNone;
        resetPeakMemory();
        const auto start = std::chrono::steady_clock::now();
        if (panel.handleScreenEvent(play, next)) {
            state.SkipWithError(("the panel refused the huge terrain: " + panel.notice()).c_str());
            break;
        }
        TGameDisplay game(setting.display, setting.context, setting.font, setting.noise);
        game.frame({});
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peak = std::max(peak, peakMegabytes());
    }
    state.counters["peakMB"] = peak;
    state.counters["choosingPeakMB"] = choosingPeak;
}
BENCHMARK(BM_MatchStartHuge)->UseManualTime()->Iterations(3);

} // namespace
