// Test entry: real SDL surfaces and formats under the dummy drivers, one 800 x 600 x 32 mode for every test.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || SDL_SetVideoMode(800, 600, 32, 0) == nullptr) {
        std::fprintf(stderr, "cannot open the dummy video mode: %s\n", SDL_GetError());
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
