// The match setup panel: background and terrain with their preview, the four numbers of a match, Play and
// Quit.
#pragma once

#include "menus/u_pref_base.hpp"

#include <cstdint>
#include <memory>
#include <string>

class TMaps;
class TSolidMask;
class TWidgetBasicMenu;
class TWidgetButton;
class TWidgetNumeric;
class TWidgetPacker;
class TWidgetPreview;

class TPanelGame final : public TPrefBase {
public:
    // config.txt may say one team, but a match needs two.
    static constexpr int teamsMin = 2;
    // Below this a terrain leaves no room for a match.
    static constexpr int terrainMinWidth = 16;
    static constexpr int terrainMinHeight = 50;
    static constexpr const char* noMapText = "No map found: data/maps needs a back_ and a fore_ picture";

    TPanelGame(TDisplay& display, TContext& context, TFont& font, TNoise& noise);
    ~TPanelGame() override;

    TScreenType run() override;
    // True = stay. Return or "Play !" start the match, unless the chosen maps cannot be played.
    bool handleScreenEvent(const SDL_Event& event, TScreenType& next) override;
    // Follows the menus' selections into the preview and the preferences, then draws the whole panel.
    void drawScreen() override;

    void fillMapMenus();
    void applyMaps(const std::string& terrain, const std::string& background);
    // Both menus hold at least one entry.
    bool hasMaps() const;
    // What the panel tells the player below its buttons; empty when all is well.
    const std::string& notice() const { return notice_; }

    std::unique_ptr<TMaps> catalogue;
    TWidgetPreview* preview = nullptr;
    TWidgetBasicMenu* foreMenu = nullptr;
    TWidgetBasicMenu* backMenu = nullptr;
    TWidgetNumeric* teamsField = nullptr;
    TWidgetNumeric* tumboksField = nullptr;
    TWidgetNumeric* aiField = nullptr;
    TWidgetNumeric* boomboxesField = nullptr;
    std::unique_ptr<TWidgetPacker> mainPacker;
    TWidgetPacker* mapsPacker = nullptr;
    TWidgetPacker* numbersPacker = nullptr;
    std::unique_ptr<TWidgetButton> quitButton;
    std::unique_ptr<TWidgetButton> playButton;

private:
    std::unique_ptr<TWidgetPacker> buildMapsRow();
    std::unique_ptr<TWidgetPacker> buildNumbersRow();
    void placeButtons();
    // Leaves for the game screen, or stays and says why not.
    bool startMatch(TScreenType& next);
    // Why the chosen maps cannot start a match, empty when they can, with the terrain's solid mask made. The
    // pictures checked are the preview's, decoded once when the maps were chosen.
    std::string checkMaps(TSolidMask& solid);
    // The chosen maps were checked and handed to the match already (by an earlier event of the same frame).
    bool handedOver() const;
    const std::string& selectedFile(const TWidgetBasicMenu& menu) const;
    void keepAiBelowTeams();
    void setNotice(const std::string& text);
    void updateNotice();
    void drawNotice();

    std::string notice_;
    SurfacePtr noticeSurface_;
    // The selections a refusal was about; it is withdrawn once the player chooses other maps.
    std::int32_t refusedFore_ = -1;
    std::int32_t refusedBack_ = -1;
};
