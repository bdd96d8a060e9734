#include "menus/u_panel_settings.hpp"

#include "app/u_context.hpp"
#include "app/u_screen_loop.hpp"
#include "resources/u_data_files.hpp"
#include "widgets/u_widgets_binary.hpp"
#include "widgets/u_widgets_packer.hpp"

namespace {

constexpr int packerWidth = 700;
constexpr int packerHeight = 450;
constexpr int packerColumns = 3;
constexpr int packerRows = 2;
constexpr int packerX = 50;
constexpr int packerY = 100;
constexpr int toggleWidth = 150;
constexpr int toggleHeight = 160;

struct TToggleEntry {
    const char* caption;
    const char* picture;
    bool TPreferences::*preference;
};

constexpr TToggleEntry toggles[] = {
    {"Music", dataFile::toggleMusic, &TPreferences::activeMusic},
    {"Sounds", dataFile::toggleSounds, &TPreferences::activeSounds},
    {"Fullscreen", dataFile::toggleFullscreen, &TPreferences::fullscreen},
    {"Scrolling", dataFile::toggleScrolling, &TPreferences::scrolling},
};

} // namespace

TPanelSettings::TPanelSettings(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TPrefBase(display, context, font, noise),
      packer(std::make_unique<TWidgetPacker>(packerWidth, packerHeight, packerColumns, packerRows)) {
    packer->setPosition(packerX, packerY);
    TPreferences& preferences = context.preferences;
    for (const TToggleEntry& toggle : toggles) {
        packer->add(std::make_unique<TWidgetBinary>(toggleWidth, toggleHeight, toggle.picture, toggle.caption,
                                                    &(preferences.*toggle.preference), font));
    }
}

TPanelSettings::~TPanelSettings() = default;

bool TPanelSettings::handleScreenEvent(const SDL_Event& event, TScreenType& next) {
    packer->handleEvent(event);
    return TPrefBase::handleScreenEvent(event, next);
}

void TPanelSettings::drawPacker() {
    packer->draw();
    blitAt(packer->surface.get(), display.screen, packer->rect.x, packer->rect.y);
}

TScreenType TPanelSettings::run() {
    setKeyRepeat(false);
    packer->draw();
    return runScreenFrames(display, "Settings panel", [this](TLeaveDecision& decision) {
        drawScreen();
        pollScreenEvents(decision, [this](const SDL_Event& event, TScreenType& next) {
            return handleScreenEvent(event, next);
        });
        drawPacker();
    });
}
