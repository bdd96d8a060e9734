// The settings screen: four toggles that write the music, sounds, full-screen and scrolling preferences.
#pragma once

#include "menus/u_pref_base.hpp"

#include <memory>

class TWidgetPacker;

class TPanelSettings final : public TPrefBase {
public:
    TPanelSettings(TDisplay& display, TContext& context, TFont& font, TNoise& noise);
    ~TPanelSettings() override;

    TScreenType run() override;
    // The toggles' reaction, then the common keys; true = stay.
    bool handleScreenEvent(const SDL_Event& event, TScreenType& next) override;
    // The toggles' part of a frame, drawn over drawScreen's.
    void drawPacker();

    std::unique_ptr<TWidgetPacker> packer;
};
