// Benchmark entry: the dummy video driver, one 800 x 600 x 32 mode, then every registered case.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || SDL_SetVideoMode(800, 600, 32, 0) == nullptr) {
        std::fprintf(stderr, "cannot open the dummy video mode: %s\n", SDL_GetError());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SDL_Quit();
    return 0;
}
