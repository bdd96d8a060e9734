#include "game/u_esc_menu.hpp"

#include "resources/u_diagnostics.hpp"
#include "support/pixels.hpp"
#include "support/screen_fixture.hpp"
#include "widgets/u_widgets_basic_menu.hpp"
#include "widgets/u_widgets_button.hpp"

#include <gtest/gtest.h>

using namespace screen_test;

namespace {

class EscMenuTest : public ScreenTest {
protected:
    EscMenuTest() {
        const TDiagnosticCapture quiet; // the panel's pictures are not in the test data
        menu = std::make_unique<TEscMenu>(display, font);
    }

    // Lets a scroll glide to its end, as the game screen's frames would.
    void settle() {
        for (int frame = 0; frame < 10 && (menu->menu->animating || frame == 0); ++frame) {
            menu->draw();
        }
    }

    std::unique_ptr<TEscMenu> menu;
};

} // namespace

TEST_F(EscMenuTest, PanelListButtonAndReminderAreLaidOutInTheCentre) {
    // The small cells of the test font are 9 x 12: the reminder is 153 x 12.
    EXPECT_EQ(topLeft(menu->backgroundPos), std::pair(150, 150));
    EXPECT_EQ(topLeft(menu->menu->rect), std::pair(170, 170));
    EXPECT_EQ(menu->menu->rect.w, 460);
    EXPECT_EQ(menu->menu->rect.h, 236);
    EXPECT_EQ(topLeft(menu->optionsButton->rect), std::pair(170, 406));
    EXPECT_EQ(menu->optionsButton->rect.w, 460 - 153);
    EXPECT_EQ(topLeft(menu->quitTextPos), std::pair(170 + 460 - 153, 170 + 260 - 12));

    ASSERT_EQ(menu->menu->items.size(), 4u);
    EXPECT_EQ(menu->menu->items[0].text, "Bow");
    EXPECT_EQ(menu->menu->items[1].text, "Bazooka");
    EXPECT_EQ(menu->menu->items[2].text, "Grenade");
    EXPECT_EQ(menu->menu->items[3].text, "Fragmentation bomb");
    EXPECT_EQ(menu->menu->items[3].value, static_cast<int>(TWeapon::WeaponFragmentation));
}

TEST_F(EscMenuTest, OpensOnTheHeldWeaponAndReturnChoosesTheHighlightedOne) {
    bool options = true;
    menu->showWeapon(TWeapon::WeaponGrenade);
    settle();
    EXPECT_EQ(menu->menu->selectedValue(), static_cast<int>(TWeapon::WeaponGrenade));

    EXPECT_TRUE(menu->handle(keyDown(SDLK_DOWN), options));
    EXPECT_FALSE(options);
    settle();
    EXPECT_FALSE(menu->handle(keyDown(SDLK_RETURN), options));
    EXPECT_FALSE(options);
    EXPECT_EQ(menu->chosenWeapon(), TWeapon::WeaponFragmentation);

    menu->showWeapon(TWeapon::WeaponBow);
    EXPECT_TRUE(menu->handle(keyDown(SDLK_UP), options));
    settle();
    EXPECT_FALSE(menu->handle(keyDown(SDLK_RETURN), options));
    EXPECT_EQ(menu->chosenWeapon(), TWeapon::WeaponFragmentation) << "the list wraps from the first weapon";
}

TEST_F(EscMenuTest, OptionsClickAndStrayClicksKeepTheMenuOpen) {
    bool options = false;
    settle();
    const SDL_Rect button = menu->optionsButton->rect;
    EXPECT_TRUE(menu->handle(mouseDown(button.x + 5, button.y + 5), options));
    EXPECT_TRUE(options);
    EXPECT_TRUE(menu->handle(mouseDown(20, 20), options));
    EXPECT_FALSE(options);
    EXPECT_TRUE(menu->handle(mouseDown(menu->backgroundPos.x + 2, menu->backgroundPos.y + 2), options));
    EXPECT_FALSE(options);
    EXPECT_TRUE(menu->handle(keyUp(SDLK_RETURN), options)) << "a release chooses nothing";

    // A click on the highlighted row chooses it.
    const SDL_Rect band = menu->menu->bandButton->rect;
    EXPECT_FALSE(
        menu->handle(mouseDown(menu->menu->rect.x + band.x + 5, menu->menu->rect.y + band.y + 5), options));
    EXPECT_EQ(menu->chosenWeapon(), TWeapon::WeaponBow);
}
