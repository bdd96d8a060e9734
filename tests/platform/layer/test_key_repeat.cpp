// The layer's key repeat, which SDL2 does not make for it: 1.2's timing, and which keys repeat.
#include "platform/u_key_repeat.hpp"

#include "support/sdl_events.hpp"

#include <gtest/gtest.h>

using sdl12::TKeyRepeat;

namespace {

// The times (ms) among those given at which a repeat comes out, asking at each one in turn.
std::vector<Uint32> repeatsAt(TKeyRepeat& repeat, std::initializer_list<Uint32> times) {
    std::vector<Uint32> repeated;
    for (const Uint32 now : times) {
        if (const auto event = repeat.due(now)) {
            EXPECT_EQ(event->type, SDL_KEYDOWN);
            EXPECT_EQ(event->key.keysym.sym, SDLK_RETURN);
            repeated.push_back(now);
        }
    }
    return repeated;
}

} // namespace

TEST(KeyRepeat, FirstRepeatWaitsForTheDelayThenAnIntervalAndStopsOnRelease) {
    TKeyRepeat repeat;
    repeat.configure(500, 500);
    repeat.pressed(keyDown(SDLK_RETURN), 1000);
    EXPECT_EQ(repeatsAt(repeat, {1400, 1501, 2001, 2002, 2003, 2502, 2503}),
              (std::vector<Uint32>{2002, 2503}));
    repeat.released(SDLK_LEFT);
    EXPECT_EQ(repeatsAt(repeat, {3004}), (std::vector<Uint32>{3004}));
    repeat.released(SDLK_RETURN);
    EXPECT_TRUE(repeatsAt(repeat, {4000, 5000}).empty());
}

TEST(KeyRepeat, OnlyTheLastOrdinaryKeyRepeatsAndANewSettingStopsIt) {
    TKeyRepeat repeat;
    repeat.configure(1, 50);
    repeat.pressed(keyDown(SDLK_UP), 0);
    repeat.pressed(keyDown(SDLK_RETURN), 0);
    repeat.pressed(keyDown(SDLK_LCTRL), 0); // modifiers never repeat, nor take the repeat over
    EXPECT_EQ(repeatsAt(repeat, {2, 53}), (std::vector<Uint32>{53}));
    repeat.released(SDLK_UP);
    EXPECT_EQ(repeatsAt(repeat, {104}), (std::vector<Uint32>{104}));

    repeat.configure(500, 500); // a screen changing the repeat forgets the key held before
    EXPECT_TRUE(repeatsAt(repeat, {2000, 4000}).empty());
    repeat.configure(0, 0);
    repeat.pressed(keyDown(SDLK_RETURN), 5000);
    EXPECT_TRUE(repeatsAt(repeat, {6000, 7000}).empty());
}
