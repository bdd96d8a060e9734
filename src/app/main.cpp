// Program entry: find the game's folders, run from the executable's own directory when the data lies beside
// it, start SDL, run the screens.
#include "app/u_browser.hpp"
#include "app/u_program_path.hpp"
#include "app/u_top_level.hpp"
#include "app/u_video_driver.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_game_folders.hpp"
#include "resources/u_random.hpp"

#include <SDL.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// A shared install keeps the settings out of sight, so the player is told where.
void reportSettingsFile(const TGameFolders& folders) {
    if (folders.layout != TLayout::LayoutSystem) {
        return;
    }
    if (folders.configFile.empty()) {
        diagnosticLine("Settings are not kept: there is no home folder.");
    } else {
        diagnosticLine("Settings are kept in ", folders.configFile);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string directory = executableDirectory(argc > 0 ? argv[0] : nullptr);
    const TFoldersInUse folders(chooseGameFolders(directory, systemDataDirectory(), processEnvironment));
    if (gameFolders().layout == TLayout::LayoutPortable && !directory.empty() &&
        ::chdir(directory.c_str()) != 0) {
        diagnosticLine("Cannot enter ", directory, ": ", std::strerror(errno));
        return 1;
    }
    reportSettingsFile(gameFolders());
    openBrowserStorage(gameFolders().configFile);
    reseedRandomFromClock();
    // A window nobody can see is no game: say so and stop, rather than run unseen until killed.
    if (const std::string failure = startVideo(); !failure.empty()) {
        diagnosticLine(failure);
        return 1;
    }
    const int status = runTopLevelLoop();
    SDL_Quit();
    showGameEnded();
    return status;
}
