// An opt-in measure of start-up: with MORVATEK_STARTUP_REPORT set, the first main-menu frame prints how long
// after the process started it was drawn. Silent otherwise, as the game prints nothing extra by default.
#pragma once

#include <optional>

// Milliseconds since the kernel started this process (to its clock tick, usually 10 ms), if it can be read.
std::optional<double> processAgeMs();

// The first call in a run prints "Main menu first frame drawn after N ms" when the variable is set.
void reportFirstMainMenuFrame();
