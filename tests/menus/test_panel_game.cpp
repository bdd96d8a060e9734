#include "menus/u_panel_game.hpp"

#include "menus/u_data_maps.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_messages.hpp"
#include "resources/u_diagnostics.hpp"
#include "support/hostile_pictures.hpp"
#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_basic_menu.hpp"
#include "widgets/u_widgets_button.hpp"
#include "widgets/u_widgets_numeric.hpp"
#include "widgets/u_widgets_packer.hpp"
#include "widgets/u_widgets_preview.hpp"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <utility>

using namespace screen_test;

namespace {

class PanelGameTest : public ScreenTest {
protected:
    void writeUsualMaps() const {
        writeMap("back_day.png");
        writeMap("back_night.png");
        writeTerrain("fore_basic.png");
        writeTerrain("fore_hills.png", 300, 200);
    }
    TPanelGame& makePanel() {
        panel = std::make_unique<TPanelGame>(display, context, font, noise);
        return *panel;
    }
    bool handle(const SDL_Event& event, TScreenType& next) { return panel->handleScreenEvent(event, next); }
    bool handle(const SDL_Event& event) {
        TScreenType next = TScreenType::ScreenPanelGame;
        return handle(event, next);
    }
    void handleTimes(int times, const SDL_Event& event) {
        for (int i = 0; i < times; ++i) {
            handle(event);
        }
    }
    void pressRight(int times) { handleTimes(times, keyDown(SDLK_RIGHT)); }
    // A widget's top-left corner in window coordinates, through the packers that hold it.
    static SDL_Rect inWindow(const TWidgetBasic& widget, std::initializer_list<const TWidgetBasic*> parents) {
        SDL_Rect rect = widget.rect;
        for (const TWidgetBasic* parent : parents) {
            rect.x = static_cast<Sint16>(rect.x + parent->rect.x);
            rect.y = static_cast<Sint16>(rect.y + parent->rect.y);
        }
        return rect;
    }
    SDL_Rect fieldInWindow(const TWidgetNumeric& field) const {
        return inWindow(field, {panel->numbersPacker, panel->mainPacker.get()});
    }
    SDL_Event clickMore(const TWidgetNumeric& field, Uint8 button = SDL_BUTTON_LEFT) const {
        const SDL_Rect rect = fieldInWindow(field);
        return mouseDown(rect.x + 5, rect.y + field.moreButton->rect.y + 5, button);
    }
    SDL_Event clickLess(const TWidgetNumeric& field, Uint8 button = SDL_BUTTON_LEFT) const {
        const SDL_Rect rect = fieldInWindow(field);
        return mouseDown(rect.x + 5, rect.y + field.lessButton->rect.y + 5, button);
    }
    static SDL_Event clickOn(const TWidgetButton& button) {
        return mouseDown(button.rect.x + button.rect.w / 2, button.rect.y + button.rect.h / 2);
    }
    // Selects a terrain by its file name, as scrolling to it would.
    void chooseTerrain(const std::string& file) const {
        const TMapsList& list = panel->catalogue->list;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].filename == file) {
                panel->foreMenu->selectByValue(static_cast<std::int32_t>(i));
            }
        }
    }
    std::string selectedFile(const TWidgetBasicMenu& menu) const {
        return panel->catalogue->list.at(static_cast<std::size_t>(menu.selectedValue())).filename;
    }

    std::unique_ptr<TPanelGame> panel;
};

} // namespace

TEST_F(PanelGameTest, LayoutPlacesMenusPreviewFieldsAndButtons) {
    writeUsualMaps();
    TPanelGame& game = makePanel();
    const TWidgetBasic* maps = game.mapsPacker;
    const TWidgetBasic* main = game.mainPacker.get();
    const auto at = [](const SDL_Rect& rect) { return std::make_pair<int, int>(rect.x, rect.y); };
    EXPECT_EQ(at(inWindow(*game.backMenu, {maps, main})), std::make_pair(66, 100));
    EXPECT_EQ(at(inWindow(*game.foreMenu, {maps, main})), std::make_pair(299, 100));
    EXPECT_EQ(at(inWindow(*game.preview, {maps, main})), std::make_pair(532, 125));
    EXPECT_EQ(at(fieldInWindow(*game.teamsField)), std::make_pair(62, 300));
    EXPECT_EQ(at(fieldInWindow(*game.tumboksField)), std::make_pair(232, 300));
    EXPECT_EQ(at(fieldInWindow(*game.aiField)), std::make_pair(412, 300));
    EXPECT_EQ(at(fieldInWindow(*game.boomboxesField)), std::make_pair(562, 300));
    EXPECT_EQ(at(game.quitButton->rect), std::make_pair(150, 500));
    EXPECT_EQ(at(game.playButton->rect), std::make_pair(500, 500));
    EXPECT_TRUE(game.backMenu->active);
    EXPECT_FALSE(game.foreMenu->active);
    EXPECT_FALSE(game.teamsField->active);
    EXPECT_TRUE(game.notice().empty());
}

TEST_F(PanelGameTest, FirstRunAndOutOfRangeNumbersOpenAsAValidMatch) {
    writeUsualMaps();
    TPreferences& preferences = context.preferences;
    const auto numbers = [&preferences] {
        return std::array{preferences.nbTeams, preferences.nbTumboks, preferences.nbAi,
                          preferences.nbExplosifs};
    };
    ASSERT_EQ(preferences.nbTeams, 0); // a first run: no config.txt
    makePanel();
    EXPECT_EQ(numbers(), (std::array{2, 1, 0, 0}));

    preferences.nbTeams = 9;
    preferences.nbTumboks = 1000;
    preferences.nbAi = 7;
    preferences.nbExplosifs = -5;
    makePanel();
    EXPECT_EQ(numbers(), (std::array{4, 300, 3, 0}));

    preferences.nbTeams = 2;
    preferences.nbAi = 3;
    makePanel();
    EXPECT_EQ(preferences.nbAi, 1) << "at least one team is left to a person before any event";
}

TEST_F(PanelGameTest, FieldsKeepTheirLimitsAndLoweringTeamsLowersComputerTeams) {
    writeUsualMaps();
    TPreferences& preferences = context.preferences;
    preferences.nbTeams = 3;
    preferences.nbAi = 2;
    preferences.nbTumboks = 15;
    TPanelGame& game = makePanel();

    pressRight(3);
    ASSERT_TRUE(game.teamsField->active);
    handle(keyDown(SDLK_DOWN));
    EXPECT_EQ(preferences.nbTeams, 2);
    EXPECT_EQ(preferences.nbAi, 1) << "in the same event";
    handle(keyDown(SDLK_DOWN));
    EXPECT_EQ(preferences.nbTeams, 2);
    handleTimes(3, clickMore(*game.teamsField));
    EXPECT_EQ(preferences.nbTeams, 4);

    handle(clickLess(*game.tumboksField, SDL_BUTTON_RIGHT));
    EXPECT_EQ(preferences.nbTumboks, 5) << "a right click steps by 10";
    handleTimes(2, clickLess(*game.tumboksField, SDL_BUTTON_RIGHT));
    EXPECT_EQ(preferences.nbTumboks, 1);
    handleTimes(31, clickMore(*game.tumboksField, SDL_BUTTON_RIGHT));
    EXPECT_EQ(preferences.nbTumboks, 300);

    handleTimes(5, clickMore(*game.aiField));
    EXPECT_EQ(preferences.nbAi, 3);
    handleTimes(12, clickMore(*game.boomboxesField, SDL_BUTTON_RIGHT));
    EXPECT_EQ(preferences.nbExplosifs, 100);
    EXPECT_TRUE(game.boomboxesField->active) << "a click focuses the field";
}

TEST_F(PanelGameTest, ThePreviewAndThePreferenceFollowTheTerrainMenu) {
    writeUsualMaps();
    context.preferences.gameBackground = "back_night.png";
    TPanelGame& game = makePanel();
    EXPECT_EQ(game.backMenu->items[static_cast<std::size_t>(game.backMenu->selected)].text, "night");

    game.drawScreen();
    const std::string first = selectedFile(*game.foreMenu);
    EXPECT_EQ(first, "fore_basic.png");
    EXPECT_EQ(game.preview->foreName, first);
    EXPECT_EQ(game.preview->backName, "back_night.png");

    pressRight(1);
    ASSERT_TRUE(game.foreMenu->active);
    handle(keyDown(SDLK_DOWN));
    game.drawScreen();
    EXPECT_EQ(selectedFile(*game.foreMenu), "fore_hills.png");
    EXPECT_EQ(context.preferences.gameMap, "fore_hills.png");
    EXPECT_EQ(game.preview->foreName, "fore_hills.png");
    EXPECT_GT(game.preview->foreThumb->w, 0);
}

TEST_F(PanelGameTest, AMissingPreferredMapGivesWayToTheFirstEntry) {
    writeUsualMaps();
    context.preferences.gameMap = "fore_gone.png";
    TPanelGame& game = makePanel();
    game.drawScreen();
    EXPECT_EQ(context.preferences.gameMap, selectedFile(*game.foreMenu));
    EXPECT_EQ(game.foreMenu->selected, 0);
}

TEST_F(PanelGameTest, ReturnStartsTheMatchWhateverHasTheFocus) {
    writeUsualMaps();
    TPanelGame& game = makePanel();
    pressRight(4);
    ASSERT_TRUE(game.tumboksField->active);
    const int tumboks = context.preferences.nbTumboks;
    pushEvents({keyDown(SDLK_RETURN), keyUp(SDLK_RETURN)});
    EXPECT_EQ(game.run(), TScreenType::ScreenGame);
    EXPECT_TRUE(game.finished);
    EXPECT_EQ(context.gameType, TGameType::GameLocal);
    EXPECT_EQ(context.preferences.nbTumboks, tumboks);
}

TEST_F(PanelGameTest, PlayStartsAndQuitLeavesKeepingTheChanges) {
    writeUsualMaps();
    TPanelGame& game = makePanel();
    pushEvents({clickOn(*game.playButton)});
    EXPECT_EQ(game.run(), TScreenType::ScreenGame);
    EXPECT_TRUE(game.finished);

    TPanelGame& other = makePanel();
    pushEvents({clickMore(*other.teamsField), clickOn(*other.quitButton)});
    EXPECT_EQ(other.run(), TScreenType::ScreenNone);
    EXPECT_FALSE(other.finished);
    EXPECT_EQ(context.preferences.nbTeams, 3);
}

TEST_F(PanelGameTest, PlayHandsThePicturesItCheckedToTheMatchAndACalledOffStartLetsThemGo) {
    writeUsualMaps();
    TPanelGame& game = makePanel();
    game.drawScreen();
    const SDL_Surface* shown = game.preview->terrain.get();
    ASSERT_NE(shown, nullptr);
    pushEvents({clickOn(*game.playButton)});
    ASSERT_EQ(game.run(), TScreenType::ScreenGame);
    EXPECT_EQ(context.checkedMaps.terrain.get(), shown) << "the preview's picture, not a second decoding";
    EXPECT_EQ(context.checkedMaps.solid.width(), shown->w);
    {
        const TDiagnosticCapture quiet; // the test data has no flags
        TSilentMessages messages;
        const TPhysics match(noise, messages, context, 2, 1, 0);
        EXPECT_EQ(match.terrainSurface(), shown);
        EXPECT_EQ(context.checkedMaps.terrain, nullptr);
    }

    TPanelGame& calledOff = makePanel();
    pushEvents({clickOn(*calledOff.playButton), keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(calledOff.run(), TScreenType::ScreenNone);
    EXPECT_EQ(context.checkedMaps.terrain, nullptr) << "pictures of a start called off are not kept";
}

TEST_F(PanelGameTest, WithoutBackgroundOrTerrainThePanelSaysSoAndCannotStart) {
    for (const bool withBackground : {false, true}) {
        if (withBackground) {
            writeMap("back_day.png");
        }
        TPanelGame& game = makePanel();
        EXPECT_EQ(game.notice(), TPanelGame::noMapText);
        EXPECT_FALSE(game.hasMaps());
        game.drawScreen();
        TScreenType next = TScreenType::ScreenPanelGame;
        EXPECT_TRUE(handle(keyDown(SDLK_RETURN), next));
        EXPECT_TRUE(handle(clickOn(*game.playButton), next));
        handle(keyDown(SDLK_DOWN)); // an empty menu scrolls nowhere
        EXPECT_EQ(next, TScreenType::ScreenPanelGame);
        EXPECT_FALSE(game.finished);

        pushEvents({keyDown(SDLK_RETURN), clickOn(*game.playButton), keyDown(SDLK_ESCAPE)});
        EXPECT_EQ(game.run(), TScreenType::ScreenNone);
        EXPECT_FALSE(game.finished);
        EXPECT_EQ(context.preferences.gameMap, "fore_basic.png") << "the preferences keep their maps";
        EXPECT_EQ(context.preferences.gameBackground, "back_day.png");
    }
}

TEST_F(PanelGameTest, UnusablePicturesAreRefusedWhenTheMatchStarts) {
    writeUsualMaps();
    writeMap("fore_narrow.png", 15, 200);
    writeMap("fore_flat.png", 400, 49);
    writeMap("fore_solid.png"); // opaque everywhere: no air to stand in
    // Only the header of a picture one pixel too wide: it must be refused without being decoded.
    std::ofstream(dir / "data" / "maps" / "fore_huge.png", std::ios::binary)
        << std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x20\x01\0\0\x02\x58", 24);
    std::ofstream(dir / "data" / "maps" / "fore_text.png") << "not a picture";
    std::ofstream(dir / "data" / "maps" / "back_broken.png") << "not a picture";

    context.preferences.gameBackground = "back_broken.png";
    TPanelGame& game = makePanel();
    EXPECT_TRUE(game.notice().empty());
    EXPECT_TRUE(handle(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(game.finished);
    EXPECT_EQ(game.notice(), "back_broken.png cannot be read as a picture");

    for (const auto& [terrain, reason] :
         {std::pair{"fore_narrow.png", "too small"}, std::pair{"fore_flat.png", "too small"},
          std::pair{"fore_solid.png", "has no place where a tumbok can stand"},
          std::pair{"fore_huge.png", "too large"},
          std::pair{"fore_text.png", "cannot be read as a picture"}}) {
        context.preferences.gameBackground = "back_day.png";
        context.preferences.gameMap = terrain;
        TPanelGame& refused = makePanel();
        refused.drawScreen();
        EXPECT_TRUE(handle(clickOn(*refused.playButton))) << terrain;
        EXPECT_FALSE(refused.finished);
        EXPECT_EQ(refused.notice().find(terrain), 0U) << refused.notice();
        EXPECT_NE(refused.notice().find(reason), std::string::npos) << refused.notice();
        refused.drawScreen();
        EXPECT_FALSE(refused.notice().empty()) << "the notice stays while the same maps are chosen";

        // Choosing a usable terrain withdraws the notice, and the match can start.
        chooseTerrain("fore_basic.png");
        refused.drawScreen();
        ASSERT_EQ(context.preferences.gameMap, "fore_basic.png");
        EXPECT_TRUE(refused.notice().empty());
        TScreenType next = TScreenType::ScreenPanelGame;
        EXPECT_FALSE(handle(keyDown(SDLK_RETURN), next));
        EXPECT_EQ(next, TScreenType::ScreenGame);
    }

    // Other formats named .png, each declaring a huge size: the preview and the check refuse them like any
    // broken picture, and the panel stays.
    for (const auto& [format, bytes] : hostile_pictures::all()) {
        std::ofstream(dir / "data" / "maps" / "fore_x.png", std::ios::binary) << bytes;
        context.preferences.gameMap = "fore_x.png";
        TPanelGame& refused = makePanel();
        refused.drawScreen();
        EXPECT_TRUE(handle(keyDown(SDLK_RETURN))) << format;
        EXPECT_EQ(refused.notice(), "fore_x.png cannot be read as a picture") << format;
    }
}
