// The top-level loop: builds the shared objects, runs the screens until none is left, frees everything.
#pragma once

// Returns the process exit status: 0, or 1 when the window could not be opened.
int runTopLevelLoop();
