// Program entry: run from the executable's own directory, start SDL, run the screens.
#include "app/u_program_path.hpp"
#include "app/u_top_level.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_random.hpp"

#include <SDL.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

int main(int argc, char** argv) {
    const std::string directory = executableDirectory(argc > 0 ? argv[0] : nullptr);
    if (!directory.empty() && ::chdir(directory.c_str()) != 0) {
        diagnosticLine("Cannot enter ", directory, ": ", std::strerror(errno));
        return 1;
    }
    reseedRandomFromClock();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        diagnosticLine("Cannot start SDL: ", SDL_GetError());
        return 1;
    }
    const int status = runTopLevelLoop();
    SDL_Quit();
    return status;
}
