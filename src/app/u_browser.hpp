// What only the browser build does, behind one seam; everywhere else these calls do nothing.
// A tab may be closed at any moment and never reaches an exit: the settings folder lives in the browser's
// storage and is written there whenever a preference changes, and the end of the game is a page.
#pragma once

#include <string>

class TPreferences;

#ifdef __EMSCRIPTEN__

// Mounts the browser's storage at the folder of the settings file and reads back what it kept, before the
// settings are loaded.
void openBrowserStorage(const std::string& settingsFile);
// Saves the settings and hands them to the browser's storage when they changed since they were last kept.
void keepChangedSettings(TPreferences& preferences);
// After the game has ended and saved its settings: the storage is written, and the page says the game has
// ended and how to start it again.
void showGameEnded();

#else

inline void openBrowserStorage(const std::string& /*settingsFile*/) {}
inline void keepChangedSettings(TPreferences& /*preferences*/) {}
inline void showGameEnded() {}

#endif
