// The program's one pseudo-random generator; nothing else draws random numbers.
#pragma once

#include <cstdint>

// A uniform integer in 0 .. n - 1; 0 when n is 0 or less.
int Random(int n);
// A uniform real in [0, 1).
double RandomUnit();
// Re-seeds from the clock (at start, and whenever a smoke fountain is made).
void reseedRandomFromClock();
// Fixes the sequence, for tests and reproducible matches.
void seedRandom(std::uint32_t seed);
