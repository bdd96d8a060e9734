// Opt-in lines for whoever drives the real program from outside, as the end-to-end tests do: with
// MORVATEK_STARTUP_REPORT set, a screen says when its first frame is on the window, and a screen whose look
// or answer to keys changes over a few frames says when that is over, so that a script waits for these
// instead of for a fixed time. Silent otherwise, as the game prints nothing extra by default.
#pragma once

#include <string>

bool screenReportOn();

// "<screen> shown": the screen's first frame since it opened or came back on top is on the window, and the
// keys pressed from now on are its own.
void reportScreenShown(const std::string& screen);

// The line as it is, such as "Main menu at rest on Settings" once its list stops gliding and takes the next
// Up or Down.
void reportScreenLine(const std::string& line);
