#include "menus/u_panel_settings.hpp"

#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_binary.hpp"
#include "widgets/u_widgets_packer.hpp"

#include <gtest/gtest.h>

#include <array>

using namespace screen_test;

namespace {

class PanelSettingsTest : public ScreenTest {
protected:
    bool handle(const SDL_Event& event) {
        TScreenType next = TScreenType::ScreenPanelSettings;
        return panel->handleScreenEvent(event, next);
    }
    // The centre of a toggle, in window coordinates.
    SDL_Event clickOn(int toggle) const {
        const SDL_Rect& inner = panel->packer->children[static_cast<std::size_t>(toggle)]->rect;
        return mouseDown(panel->packer->rect.x + inner.x + inner.w / 2,
                         panel->packer->rect.y + inner.y + inner.h / 2);
    }

    // Music, sounds, full screen and scrolling, in the order of the toggles.
    static std::array<bool, 4> toggles(const TPreferences& preferences) {
        return {preferences.activeMusic, preferences.activeSounds, preferences.fullscreen,
                preferences.scrolling};
    }

    std::unique_ptr<TPanelSettings> panel = std::make_unique<TPanelSettings>(display, context, font, noise);
};

} // namespace

TEST_F(PanelSettingsTest, TogglesSitWhereTheLayoutPutsThemWithMusicFocused) {
    const int expected[][2] = {{91, 132}, {324, 132}, {557, 132}, {91, 357}};
    ASSERT_EQ(panel->packer->children.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const SDL_Rect& inner = panel->packer->children[i]->rect;
        EXPECT_EQ(panel->packer->rect.x + inner.x, expected[i][0]) << i;
        EXPECT_EQ(panel->packer->rect.y + inner.y, expected[i][1]) << i;
        EXPECT_EQ(panel->packer->children[i]->active, i == 0) << i;
    }
}

TEST_F(PanelSettingsTest, LeftAndRightWalkTheFocusRound) {
    EXPECT_TRUE(handle(keyDown(SDLK_RIGHT)));
    EXPECT_EQ(panel->packer->focus, 1);
    for (int press = 0; press < 3; ++press) {
        handle(keyDown(SDLK_RIGHT));
    }
    EXPECT_EQ(panel->packer->focus, 0) << "four presses of Right come back to Music";
    handle(keyDown(SDLK_LEFT));
    EXPECT_EQ(panel->packer->focus, 3);
}

TEST_F(PanelSettingsTest, ReturnAndClicksFlipTheirPreference) {
    TPreferences& preferences = context.preferences;
    ASSERT_EQ(toggles(preferences), (std::array{true, true, false, false}));

    handle(keyDown(SDLK_RIGHT));
    EXPECT_TRUE(handle(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(preferences.activeSounds);
    handle(keyDown(SDLK_RETURN));
    EXPECT_TRUE(preferences.activeSounds) << "a second Return turns sounds on again";
    EXPECT_TRUE(preferences.activeMusic);

    handle(clickOn(3));
    EXPECT_TRUE(preferences.scrolling);
    EXPECT_EQ(panel->packer->focus, 3) << "the click gives the toggle the focus";
    handle(clickOn(0));
    EXPECT_FALSE(preferences.activeMusic);
    EXPECT_FALSE(preferences.fullscreen);

    // A click between the toggles and a key other than Return flip nothing.
    handle(mouseDown(60, 110));
    handle(keyDown(SDLK_SPACE));
    EXPECT_EQ(toggles(preferences), (std::array{false, true, false, true}));
}

TEST_F(PanelSettingsTest, EveryToggleReachesConfigAfterExit) {
    {
        TContext session((dir / "config.txt").string());
        TPanelSettings settings(display, session, font, noise);
        pushEvents({keyDown(SDLK_RETURN), keyDown(SDLK_RIGHT), keyDown(SDLK_RETURN)}); // music, sounds
        const SDL_Rect& fullscreen = settings.packer->children[2]->rect;
        const SDL_Rect& scrolling = settings.packer->children[3]->rect;
        pushEvents(
            {mouseDown(50 + fullscreen.x + 10, 100 + fullscreen.y + 10),
             mouseDown(50 + scrolling.x + scrolling.w, 100 + scrolling.y + scrolling.h), // edge included
             keyDown(SDLK_ESCAPE)});
        EXPECT_EQ(settings.run(), TScreenType::ScreenNone);
    } // the context writes config.txt, as at the end of the program
    EXPECT_EQ(toggles(reloadPreferences()), (std::array{false, false, true, true}));
}

TEST_F(PanelSettingsTest, FullscreenWaitsForTheNextTransition) {
    const int modeSets = display.modeSetCount();
    pushEvents({keyDown(SDLK_LEFT), keyDown(SDLK_LEFT), keyDown(SDLK_RETURN), keyDown(SDLK_ESCAPE)});
    EXPECT_EQ(panel->run(), TScreenType::ScreenNone);
    EXPECT_TRUE(context.preferences.fullscreen);
    EXPECT_FALSE(display.fullscreenApplied);
    EXPECT_EQ(display.modeSetCount(), modeSets);
}
