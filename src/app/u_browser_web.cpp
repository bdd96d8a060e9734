// The browser build's side of the seam: IndexedDB behind the settings folder, and the page's end.
#include "app/u_browser.hpp"

#include "app/u_preferences.hpp"
#include "resources/u_diagnostics.hpp"

#include <emscripten.h>

#include <filesystem>
#include <system_error>

namespace {

// JavaScript inside the macros below: the C++ formatter must leave it alone.
// clang-format off

// The folder's copy in memory and the browser's storage are made equal, in the direction asked; the game
// waits for it. Returns 0 on success.
EM_ASYNC_JS(int, synchroniseStorage, (int fromStorage), {
    return await new Promise((resolve) => {
        FS.syncfs(fromStorage !== 0, (error) => resolve(error ? 1 : 0));
    });
});

EM_JS(void, mountStorage, (const char* folder), {
    FS.mount(IDBFS, {}, UTF8ToString(folder));
});

// The page shows its own ending; a page without one is left as it is.
EM_JS(void, announceGameEnded, (), {
    if (typeof Module.gameEnded === 'function') {
        Module.gameEnded();
    }
});

// clang-format on

// With nothing mounted there is nothing to write, and the browser answers at once.
void writeStorage() {
    if (synchroniseStorage(0) != 0) {
        diagnosticLine("The browser did not keep the settings.");
    }
}

} // namespace

void openBrowserStorage(const std::string& settingsFile) {
    const std::filesystem::path folder = std::filesystem::path(settingsFile).parent_path();
    std::error_code error;
    if (settingsFile.empty() || (!std::filesystem::create_directories(folder, error) && error)) {
        diagnosticLine("Settings are kept for this visit only.");
        return;
    }
    mountStorage(folder.c_str());
    if (synchroniseStorage(1) != 0) {
        diagnosticLine("The browser's storage could not be read: the default settings are used.");
    }
}

void keepChangedSettings(TPreferences& preferences) {
    if (preferences.saveWhenChanged()) {
        writeStorage();
    }
}

void showGameEnded() {
    writeStorage();
    announceGameEnded();
}
