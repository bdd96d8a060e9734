#include "widget_test_support.hpp"
#include "widgets/u_widgets_basic_menu.hpp"

#include <string>

namespace {

constexpr TRgb band{48, 48, 48};

// A map list of the setup panel: 200 x 200, no picture; list column x 50, 140 wide; rows of 22 pixels,
// five shown, the selected one at y 44 with its band from y 39 to 60.
class MenuTest : public WidgetTest {
protected:
    std::unique_ptr<TWidgetBasicMenu> makeList(int entries) const {
        auto menu = std::make_unique<TWidgetBasicMenu>(200, 200, 0, 0, TSize::SizeSmall, font());
        for (int i = 0; i < entries; ++i) {
            // Entry i has i + 1 letters, so its width (9 pixels a letter) tells which entry a row shows.
            menu->addItem(std::string(static_cast<std::size_t>(i + 1), 'x'), 100 + i,
                          createSurface(0, 0, false));
        }
        menu->draw();
        return menu;
    }
};

void settle(TWidgetBasicMenu& menu) {
    for (int frame = 0; frame < 10 && menu.animating; ++frame) {
        menu.draw();
    }
    ASSERT_FALSE(menu.animating);
}

int countInListColumn(SDL_Surface* surface, int y, bool (*counts)(TRgb)) {
    int count = 0;
    for (int x = 50; x < 190; ++x) {
        count += counts(pixelAt(surface, x, y)) ? 1 : 0;
    }
    return count;
}

int letters(SDL_Surface* surface, int y) {
    return countInListColumn(surface, y, [](TRgb c) { return c.red > 48; }) / glyphWidth;
}

} // namespace

TEST_F(MenuTest, LaysOutPictureListAndArrowsFromItsSize) {
    TWidgetBasicMenu mainMenu(500, 300, 128, 128, TSize::SizeBig, font());
    EXPECT_EQ(mainMenu.widgetType, TWidgetType::WidgetBasicMenu);
    EXPECT_EQ(mainMenu.pictureRect.x, 25);
    EXPECT_EQ(mainMenu.pictureRect.y, 86);
    EXPECT_EQ(mainMenu.listRect.x, 178);
    EXPECT_EQ(mainMenu.listRect.w, 312);
    EXPECT_EQ(mainMenu.itemHeight, 24 + 10);
    EXPECT_EQ(mainMenu.upButton->rect.x, 178);
    EXPECT_EQ(mainMenu.upButton->rect.y, 0);
    EXPECT_EQ(mainMenu.downButton->rect.y, 270);
    EXPECT_EQ(mainMenu.downButton->rect.w, 312);

    const TRgb colours[] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {200, 200, 0}};
    for (int i = 0; i < 4; ++i) {
        mainMenu.addItem("Entry", i + 1, solidSurface(128, 128, colours[i]));
    }
    mainMenu.draw();
    SDL_Surface* picture = mainMenu.surface.get();
    expectColourAt(picture, colours[0], {{25, 86}, {152, 213}});
    expectColourAt(picture, black, {{24, 86}, {153, 213}});
    mainMenu.menuEvent(keyDown(SDLK_UP));
    mainMenu.draw();
    EXPECT_EQ(pixelAt(picture, 25, 86), colours[3]); // the picture follows the selection at once
}

TEST_F(MenuTest, UpAndDownWrapRoundTheList) {
    auto menu = makeList(4);
    EXPECT_TRUE(menu->menuEvent(keyDown(SDLK_UP)));
    EXPECT_EQ(menu->selectedValue(), 103);
    settle(*menu);
    EXPECT_TRUE(menu->menuEvent(keyDown(SDLK_DOWN)));
    EXPECT_EQ(menu->selectedValue(), 100);
    EXPECT_TRUE(menu->menuEvent(keyDown(SDLK_DOWN))); // still gliding: ignored
    EXPECT_EQ(menu->selectedValue(), 100);
    settle(*menu);
    EXPECT_TRUE(menu->menuEvent(keyDown(SDLK_DOWN)));
    EXPECT_EQ(menu->selectedValue(), 101);
}

TEST_F(MenuTest, RowsGlideIntoPlaceOverThreeFramesBeforeTheBandShows) {
    auto menu = makeList(4);
    SDL_Surface* picture = menu->surface.get();
    EXPECT_EQ(pixelAt(picture, 51, 40), band);
    menu->menuEvent(keyDown(SDLK_DOWN));
    EXPECT_EQ(menu->scrollOffset, 22);
    menu->draw();
    EXPECT_EQ(menu->scrollOffset, 12);
    EXPECT_EQ(pixelAt(picture, 51, 40), black); // no band while gliding
    EXPECT_EQ(letters(picture, 44 + 12), 2);    // the new selection, still one glide step low
    menu->draw();
    EXPECT_EQ(menu->scrollOffset, 2);
    EXPECT_TRUE(menu->animating);
    menu->draw();
    EXPECT_FALSE(menu->animating);
    EXPECT_EQ(menu->scrollOffset, 0);
    EXPECT_EQ(pixelAt(picture, 51, 40), band);

    menu->menuEvent(keyDown(SDLK_UP));
    EXPECT_EQ(menu->scrollOffset, -22);
    menu->draw();
    menu->draw();
    EXPECT_EQ(menu->scrollOffset, -2);
    menu->draw();
    EXPECT_FALSE(menu->animating);
}

TEST_F(MenuTest, ScrollsToShowTheSelectedEntryInTheHighlightedMiddleRow) {
    auto menu = makeList(10);
    for (int i = 0; i < 6; ++i) {
        menu->menuEvent(keyDown(SDLK_DOWN));
        settle(*menu);
    }
    EXPECT_EQ(menu->selectedValue(), 106);
    SDL_Surface* picture = menu->surface.get();
    // Entry 6 (7 letters) highlighted in white on the band, its neighbours above and below it.
    EXPECT_EQ(countInListColumn(picture, 50, [](TRgb c) { return c == white; }), 7 * glyphWidth);
    EXPECT_EQ(pixelAt(picture, 50 + (140 - 63) / 2, 44), white);
    EXPECT_EQ(pixelAt(picture, 50 + (140 - 63) / 2 - 1, 44), band);
    expectColourAt(picture, band, {{51, 39}, {188, 60}});
    expectColourAt(picture, black, {{51, 38}, {51, 61}});
    EXPECT_EQ(letters(picture, 31), 6);
    EXPECT_EQ(letters(picture, 70), 8);
    EXPECT_EQ(letters(picture, 92), 9);
    EXPECT_EQ(letters(picture, 114), 10);
    EXPECT_EQ(letters(picture, 136), 0); // nothing beyond the end of the list

    menu->selectByValue(100);
    menu->draw();
    EXPECT_EQ(letters(picture, 50), 1);
    EXPECT_EQ(letters(picture, 31), 0); // nothing above the first entry
    EXPECT_EQ(letters(picture, 70), 2);
}

TEST_F(MenuTest, ReturnOrAClickOnTheBandChoosesTheSelectedEntry) {
    auto menu = makeList(5);
    menu->setPosition(170, 170);
    menu->selectByValue(103);
    menu->draw();
    EXPECT_FALSE(menu->menuEvent(keyDown(SDLK_RETURN)));
    EXPECT_EQ(menu->chosenValue, 103);
    menu->draw();
    EXPECT_EQ(menu->chosenValue, -1);

    EXPECT_FALSE(menu->menuEvent(mouseDown(170 + 60, 170 + 45))); // on the band (y 39 to 61 of the menu)
    EXPECT_EQ(menu->chosenValue, 103);
    EXPECT_TRUE(menu->menuEvent(mouseMotion(170 + 60, 170 + 45)));
    EXPECT_EQ(menu->chosenValue, -1);

    EXPECT_TRUE(menu->menuEvent(mouseDown(170 + 60, 170 + 10, SDL_BUTTON_WHEELUP))); // the up arrow
    EXPECT_EQ(menu->selectedValue(), 102);
    settle(*menu);
    EXPECT_TRUE(menu->menuEvent(mouseDown(170 + 60, 170 + 190))); // the down arrow
    EXPECT_EQ(menu->selectedValue(), 103);
    settle(*menu);
    EXPECT_TRUE(menu->menuEvent(mouseDown(170 + 10, 170 + 100))); // beside the list: nothing
    EXPECT_EQ(menu->selectedValue(), 103);
    EXPECT_EQ(menu->chosenValue, -1);

    menu->selectByValue(42); // no such entry
    EXPECT_EQ(menu->selectedValue(), 103);
}

TEST_F(MenuTest, HandleEventReactsToKeysAndClicksOnTheMenuOnly) {
    auto menu = makeList(3);
    menu->setPosition(300, 100);
    EXPECT_TRUE(menu->handleEvent(keyDown(SDLK_SPACE)));
    EXPECT_FALSE(menu->handleEvent(mouseDown(299, 110)));
    EXPECT_FALSE(menu->handleEvent(mouseDown(360, 301, SDL_BUTTON_WHEELDOWN)));
    EXPECT_EQ(menu->selectedValue(), 100);
    EXPECT_TRUE(menu->handleEvent(mouseDown(360, 110))); // the up arrow
    EXPECT_EQ(menu->selectedValue(), 102);
    EXPECT_FALSE(menu->handleEvent(mouseMotion(360, 110)));
    settle(*menu);
    EXPECT_TRUE(menu->handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_EQ(menu->chosenValue, 102);
}

TEST_F(MenuTest, AnEmptyMenuAnswersNoSelection) {
    TWidgetBasicMenu menu(200, 200, 0, 0, TSize::SizeSmall, font());
    menu.draw();
    EXPECT_EQ(menu.selectedValue(), TWidgetBasicMenu::noSelection);
    EXPECT_FALSE(menu.menuEvent(keyDown(SDLK_RETURN)));
    EXPECT_EQ(menu.chosenValue, TWidgetBasicMenu::noSelection);
    EXPECT_FALSE(menu.menuEvent(mouseDown(10, 10))); // where the band button waits before any row was drawn
    EXPECT_EQ(menu.chosenValue, TWidgetBasicMenu::noSelection);
    EXPECT_TRUE(menu.menuEvent(keyDown(SDLK_DOWN)));
    EXPECT_TRUE(menu.handleEvent(keyDown(SDLK_UP)));
    EXPECT_FALSE(menu.animating);
    menu.draw();
    EXPECT_EQ(menu.selected, 0);
    EXPECT_EQ(pixelAt(menu.surface.get(), 51, 40), black); // background and arrows only

    menu.addItem("night", 7, nullptr); // no picture at all stands for an empty one
    ASSERT_NE(menu.items[0].picture, nullptr);
    menu.draw();
    EXPECT_EQ(menu.selectedValue(), 7);
    EXPECT_EQ(pixelAt(menu.surface.get(), 51, 40), band);
    EXPECT_TRUE(menu.menuEvent(keyDown(SDLK_DOWN))); // one entry wraps onto itself
    settle(menu);
    EXPECT_EQ(menu.selectedValue(), 7);
}

TEST_F(MenuTest, CaptionsWiderThanTheListAreCutEvenly) {
    TWidgetBasicMenu menu(200, 200, 0, 0, TSize::SizeSmall, font());
    menu.addItem(std::string(40, 'w'), 1, createSurface(0, 0, false)); // 360 pixels in a 140-pixel column
    menu.addItem("short", 2, createSurface(0, 0, false));
    menu.draw();
    // Centred at 50 + (140 - 360) div 2 = -60: white across the whole width of the menu.
    expectColourAt(menu.surface.get(), white, {{0, 44}, {199, 55}});
    EXPECT_EQ(letters(menu.surface.get(), 70), 5);
}
