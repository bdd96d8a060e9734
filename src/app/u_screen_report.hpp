// Opt-in lines for whoever drives the real program from outside, as the end-to-end tests do: with
// MORVATEK_STARTUP_REPORT set, a screen says when its first frame is on the window, and the main menu says
// when it has come to rest, so that a script waits for these instead of for a fixed time. Silent otherwise,
// as the game prints nothing extra by default.
#pragma once

#include <string>

bool screenReportOn();

// "<screen> shown": the screen's first frame since it opened or came back on top is on the window, and the
// keys pressed from now on are its own.
void reportScreenShown(const std::string& screen);

// "Main menu at rest on <entry>": the logo is in place and the list has stopped gliding, so that the next
// Up or Down is taken.
void reportMainMenuAtRest(const std::string& entry);
