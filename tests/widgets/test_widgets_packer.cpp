#include "widget_test_support.hpp"
#include "widgets/u_widgets_binary.hpp"
#include "widgets/u_widgets_button.hpp"
#include "widgets/u_widgets_packer.hpp"

#include <vector>

namespace {

// A plain white leaf that records which keys reach it.
class TSolidLeaf : public TWidgetBasic {
public:
    TSolidLeaf(int width, int height) : TWidgetBasic(width, height) { draw(); }
    void draw() override { SDL_FillRect(surface.get(), nullptr, SDL_MapRGB(surface->format, 255, 255, 255)); }
    bool handleEvent(const SDL_Event& event) override {
        if (event.type == SDL_KEYDOWN) {
            keys.push_back(event.key.keysym.sym);
        }
        return TWidgetBasic::handleEvent(event);
    }
    std::vector<SDLKey> keys;
};

TSolidLeaf& addLeaf(TWidgetPacker& packer, int width = 100, int height = 50) {
    return packer.add(std::make_unique<TSolidLeaf>(width, height));
}

// The leaf that is lit; exactly one should be.
const TWidgetBasic* litLeaf(const std::vector<const TWidgetBasic*>& leaves) {
    const TWidgetBasic* lit = nullptr;
    for (const TWidgetBasic* leaf : leaves) {
        if (leaf->active) {
            EXPECT_EQ(lit, nullptr) << "two leaves lit";
            lit = leaf;
        }
    }
    return lit;
}

using PackerTest = WidgetTest;

} // namespace

TEST_F(PackerTest, CentresChildrenInEqualCellsLeftToRightThenDown) {
    TWidgetPacker row(700, 200, 3, 1);
    EXPECT_EQ(row.focus, -1);
    for (int i = 0; i < 3; ++i) {
        addLeaf(row, 200, 150);
    }
    EXPECT_EQ(row.children[0]->rect.x, 16);
    EXPECT_EQ(row.children[1]->rect.x, 249);
    EXPECT_EQ(row.children[2]->rect.x, 482);
    EXPECT_EQ(row.children[2]->rect.y, 25);

    TWidgetPacker grid(700, 200, 4, 2);
    for (int i = 0; i < 5; ++i) {
        addLeaf(grid, 150, 150);
    }
    EXPECT_EQ(grid.children[0]->rect.x, 12);
    EXPECT_EQ(grid.children[0]->rect.y, -25); // cells of 175 x 100
    EXPECT_EQ(grid.children[4]->rect.x, 12);
    EXPECT_EQ(grid.children[4]->rect.y, 75);

    TWidgetPacker noGrid(200, 100, 0, 0); // taken as one cell
    addLeaf(noGrid, 100, 50);
    EXPECT_EQ(noGrid.children[0]->rect.x, 50);
    EXPECT_EQ(noGrid.children[0]->rect.y, 25);
}

TEST_F(PackerTest, DrawsTheFocusedChildLitAndTheOthersDimmed) {
    TWidgetPacker packer(300, 100, 3, 1);
    TSolidLeaf& first = addLeaf(packer, 80, 80);
    TSolidLeaf& second = addLeaf(packer, 80, 80);
    EXPECT_TRUE(first.active); // adding the second child focuses the first again
    EXPECT_FALSE(second.active);
    EXPECT_EQ(packer.focus, 0);
    SDL_Surface* picture = packer.surface.get();
    EXPECT_EQ(pixelAt(picture, 50, 50), (TRgb{255, 255, 255}));
    EXPECT_NEAR(pixelAt(picture, 150, 50).red, 100, 1);
    EXPECT_EQ(pixelAt(picture, 5, 50), (TRgb{0, 0, 0}));

    EXPECT_TRUE(packer.handleEvent(keyDown(SDLK_RIGHT)));
    EXPECT_NEAR(pixelAt(picture, 50, 50).red, 100, 1);
    EXPECT_EQ(pixelAt(picture, 150, 50), (TRgb{255, 255, 255}));
}

TEST_F(PackerTest, ArrowsWalkTheLeavesOfNestedPackersInBothDirections) {
    // Built bottom-up, as the screens do: a packer is filled before it is added to its parent.
    auto nestedOwner = std::make_unique<TWidgetPacker>(700, 100, 2, 1);
    const TSolidLeaf& a = addLeaf(*nestedOwner);
    const TSolidLeaf& b = addLeaf(*nestedOwner);
    auto lastOwner = std::make_unique<TWidgetPacker>(700, 100, 2, 1);
    const TSolidLeaf& c = addLeaf(*lastOwner);
    const TSolidLeaf& d = addLeaf(*lastOwner);
    TWidgetPacker top(700, 400, 1, 3);
    const TWidgetPacker& nested = top.add(std::move(nestedOwner));
    const TSolidLeaf& x = addLeaf(top);
    top.add(std::move(lastOwner));
    const std::vector<const TWidgetBasic*> leaves = {&a, &b, &x, &c, &d};
    EXPECT_EQ(litLeaf(leaves), &a);

    const auto press = [&top](SDLKey key) { EXPECT_TRUE(top.handleEvent(keyDown(key))); };
    press(SDLK_RIGHT);
    EXPECT_EQ(litLeaf(leaves), &b);
    press(SDLK_RIGHT);
    EXPECT_EQ(litLeaf(leaves), &x);
    press(SDLK_LEFT); // the nested packer wrapped round when it was left: back on a, not b
    EXPECT_EQ(litLeaf(leaves), &a);
    press(SDLK_LEFT); // from the first leaf round to the very last one, inside the last packer
    EXPECT_EQ(litLeaf(leaves), &d);
    press(SDLK_LEFT);
    EXPECT_EQ(litLeaf(leaves), &c);
    press(SDLK_RIGHT);
    press(SDLK_RIGHT); // off the last leaf: round to the first leaf
    EXPECT_EQ(litLeaf(leaves), &a);
    EXPECT_EQ(top.focus, 0);
    EXPECT_EQ(nested.focus, 0);
}

TEST_F(PackerTest, RecognisesAChildPackerByItsClassNotByItsTag) {
    auto nested = std::make_unique<TWidgetPacker>(200, 100, 2, 1);
    EXPECT_EQ(nested->widgetType, TWidgetType::WidgetBasic);
    const TSolidLeaf& a = addLeaf(*nested, 50, 50);
    const TSolidLeaf& b = addLeaf(*nested, 50, 50);
    TWidgetPacker top(400, 100, 2, 1);
    top.add(std::move(nested));
    TSolidLeaf& impostor = addLeaf(top, 50, 50);
    impostor.widgetType = TWidgetType::WidgetPacker; // a tag alone makes no packer
    const std::vector<const TWidgetBasic*> leaves = {&a, &b, &impostor};

    top.moveFocus(+1);
    EXPECT_EQ(litLeaf(leaves), &b);
    top.moveFocus(+1);
    EXPECT_EQ(litLeaf(leaves), &impostor);
    top.moveFocus(+1);
    EXPECT_EQ(litLeaf(leaves), &a);
    top.focusLast();
    EXPECT_EQ(litLeaf(leaves), &impostor);
}

TEST_F(PackerTest, KeysGoToTheFocusedLeafAndClicksToTheLeafUnderThePointer) {
    auto row = std::make_unique<TWidgetPacker>(700, 200, 2, 1);
    TSolidLeaf& left = addLeaf(*row, 100, 100);  // window (175, 150) to (275, 250)
    TSolidLeaf& right = addLeaf(*row, 100, 100); // window (525, 150) to (625, 250)
    TWidgetPacker top(700, 400, 1, 2);
    top.setPosition(50, 100);
    top.add(std::move(row));
    TSolidLeaf& below = addLeaf(top, 100, 100); // window (350, 350) to (450, 450)
    const std::vector<const TWidgetBasic*> leaves = {&left, &right, &below};

    EXPECT_TRUE(top.handleEvent(keyDown(SDLK_UP)));
    EXPECT_EQ(left.keys, std::vector<SDLKey>{SDLK_UP});
    EXPECT_TRUE(right.keys.empty());

    EXPECT_TRUE(top.handleEvent(mouseDown(600, 250)));
    EXPECT_EQ(litLeaf(leaves), &right);
    EXPECT_TRUE(top.handleEvent(mouseDown(350, 350)));
    EXPECT_EQ(litLeaf(leaves), &below);

    EXPECT_TRUE(top.handleEvent(mouseDown(60, 400))); // inside the packer, on no child
    EXPECT_EQ(litLeaf(leaves), &below);
    EXPECT_TRUE(top.handleEvent(mouseDown(60, 110))); // inside the row's packer, on none of its leaves
    EXPECT_EQ(litLeaf(leaves), &right);
    EXPECT_TRUE(top.handleEvent(mouseDown(175, 150)));
    EXPECT_EQ(litLeaf(leaves), &left);
    EXPECT_TRUE(top.handleEvent(mouseDown(350, 350)));
    EXPECT_FALSE(top.handleEvent(mouseDown(10, 10))); // outside the packer
    EXPECT_FALSE(top.handleEvent(mouseMotion(400, 400)));
    EXPECT_FALSE(top.handleEvent(keyUp(SDLK_RIGHT)));
    EXPECT_EQ(litLeaf(leaves), &below);
}

TEST_F(PackerTest, TogglesInAPackerFlipWithReturnAndClicks) {
    bool music = true, sounds = true, fullscreen = false, scrolling = true;
    TWidgetPacker packer(700, 450, 3, 2);
    packer.setPosition(50, 100);
    bool* values[] = {&music, &sounds, &fullscreen, &scrolling};
    for (bool* value : values) {
        packer.add(std::make_unique<TWidgetBinary>(150, 160, "none.png", "Item", value, font()));
    }
    EXPECT_EQ(packer.children[1]->rect.x + 50, 324);
    EXPECT_EQ(packer.children[3]->rect.y + 100, 357);

    for (int i = 0; i < 4; ++i) {
        packer.handleEvent(keyDown(SDLK_RIGHT));
    }
    EXPECT_EQ(packer.focus, 0);
    packer.handleEvent(keyDown(SDLK_RIGHT));
    EXPECT_TRUE(packer.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(sounds);
    EXPECT_FALSE(packer.handleEvent(keyDown(SDLK_SPACE))); // reaches the toggle, which ignores it
    EXPECT_FALSE(sounds);

    EXPECT_TRUE(packer.handleEvent(mouseDown(91 + 150, 357 + 160))); // the far corner of "Scrolling"
    EXPECT_FALSE(scrolling);
    EXPECT_EQ(packer.focus, 3);
    EXPECT_TRUE(music);
    EXPECT_FALSE(fullscreen);
}

TEST_F(PackerTest, APackerWithNothingToFocusIgnoresKeysAndFocusMoves) {
    TWidgetPacker empty(200, 100, 2, 1);
    empty.setFocus(3);
    empty.focusFirst();
    empty.focusLast();
    EXPECT_FALSE(empty.moveFocus(+1));
    EXPECT_EQ(empty.focus, -1);
    EXPECT_FALSE(empty.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_TRUE(empty.handleEvent(keyDown(SDLK_LEFT)));
    EXPECT_TRUE(empty.handleEvent(mouseDown(10, 10)));
    EXPECT_EQ(empty.focus, -1);
    empty.setActive(true);

    TWidgetPacker top(400, 100, 2, 1);
    top.add(std::make_unique<TWidgetPacker>(100, 100, 1, 1));
    const TSolidLeaf& leaf = addLeaf(top, 50, 50);
    EXPECT_TRUE(top.handleEvent(keyDown(SDLK_RIGHT)));
    EXPECT_TRUE(leaf.active);
    EXPECT_TRUE(top.handleEvent(keyDown(SDLK_RIGHT)));
    EXPECT_EQ(top.focus, 0);
    EXPECT_TRUE(top.handleEvent(keyDown(SDLK_LEFT)));
    EXPECT_TRUE(leaf.active);
    EXPECT_TRUE(top.handleEvent(keyDown(SDLK_LEFT)));
    EXPECT_FALSE(
        top.handleEvent(keyDown(SDLK_UP))); // handed to the empty packer, which has nobody to give it
}
