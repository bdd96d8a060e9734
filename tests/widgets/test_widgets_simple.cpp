#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "widget_test_support.hpp"
#include "widgets/u_widgets_binary.hpp"
#include "widgets/u_widgets_button.hpp"

namespace {

constexpr TRgb red{255, 0, 0};
constexpr TRgb green{0, 255, 0};

class ToggleTest : public WidgetTest {
protected:
    void SetUp() override {
        writeSolidPicture("music.png", 40, 30, red);
        // A 60 x 50 cross: black (see-through) but for a white stroke across rows 20 to 24.
        writePicture("other-images", dataFile::widgetsCross, 60, 50,
                     [](int, int y) { return y >= 20 && y < 25 ? white : black; });
    }
};

using ButtonTest = WidgetTest;

} // namespace

TEST_F(WidgetTest, BaseTestAcceptsClicksUpToOnePixelBeyondTheWidget) {
    TWidgetButton widget(30, 20, "none.png", "", font());
    widget.setPosition(50, 40);
    EXPECT_TRUE(widget.TWidgetBasic::handleEvent(mouseDown(50, 40)));
    EXPECT_TRUE(widget.TWidgetBasic::handleEvent(mouseDown(80, 60)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(mouseDown(81, 50)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(mouseDown(49, 50)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(mouseDown(60, 39)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(mouseDown(60, 61)));
    EXPECT_TRUE(widget.TWidgetBasic::handleEvent(keyDown(SDLK_SPACE)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(keyUp(SDLK_SPACE)));
    EXPECT_FALSE(widget.TWidgetBasic::handleEvent(mouseMotion(60, 50)));

    const SDL_Event left = widget.localEvent(mouseDown(49, 45));
    EXPECT_EQ(left.button.x, 65535);
    EXPECT_EQ(left.button.y, 5);
    const SDL_Event key = widget.localEvent(keyDown(SDLK_UP));
    EXPECT_EQ(key.key.keysym.sym, SDLK_UP);
}

TEST_F(ToggleTest, DrawsPictureCrossAndCaptionWhereTheCrossPlacesThem) {
    bool music = true;
    TWidgetBinary toggle(150, 160, "music.png", "Music", &music, font());
    EXPECT_EQ(toggle.widgetType, TWidgetType::WidgetBinary);
    SDL_Surface* picture = toggle.surface.get();
    // The picture sits at ((150 - 60) div 2, 5): placed by the cross's width, so off-centre.
    expectColourAt(picture, red, {{45, 5}, {84, 34}});
    expectColourAt(picture, black, {{85, 5}, {44, 5}});
    EXPECT_EQ(pixelAt(picture, 60, 27), red); // no cross while the value is true
    // "Music": 45 pixels wide at ((150 - 45) div 2, 50 + 10).
    expectColourAt(picture, white, {{52, 60}, {96, 71}});
    expectColourAt(picture, black, {{51, 60}, {97, 60}});

    music = false;
    toggle.draw();
    EXPECT_EQ(pixelAt(picture, 60, 27), white); // the stroke covers the picture
    EXPECT_EQ(pixelAt(picture, 60, 10), red);   // the cross's black lets the picture through
    EXPECT_EQ(pixelAt(picture, 100, 27), white);
}

TEST_F(ToggleTest, FlipsOnReturnAndOnAnyClickInsideOnly) {
    bool sounds = true;
    TWidgetBinary toggle(150, 160, "music.png", "Sounds", &sounds, font());
    toggle.setPosition(324, 132);

    EXPECT_TRUE(toggle.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(sounds);
    EXPECT_EQ(pixelAt(toggle.surface.get(), 60, 27), white);
    EXPECT_TRUE(toggle.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_TRUE(sounds);

    EXPECT_FALSE(toggle.handleEvent(keyDown(SDLK_SPACE)));
    EXPECT_FALSE(toggle.handleEvent(keyUp(SDLK_RETURN)));
    EXPECT_TRUE(sounds);

    EXPECT_TRUE(toggle.handleEvent(mouseDown(324 + 150, 132 + 160)));
    EXPECT_FALSE(sounds);
    EXPECT_TRUE(toggle.handleEvent(mouseDown(400, 200, SDL_BUTTON_WHEELUP)));
    EXPECT_TRUE(sounds);
    EXPECT_FALSE(toggle.handleEvent(mouseDown(323, 200)));
    EXPECT_FALSE(toggle.handleEvent(mouseMotion(400, 200)));
    EXPECT_TRUE(sounds);
}

TEST_F(ToggleTest, MissingPicturesAndAnOverlongCaptionStillDrawAndFlip) {
    removePicture("other-images", dataFile::widgetsCross);
    bool fullscreen = false;
    const TDiagnosticCapture captured;
    TWidgetBinary toggle(150, 160, "absent.png", "A caption far wider than the toggle", &fullscreen, font());
    const std::string log = captured.text();
    EXPECT_NE(log.find("Loading data/other-images/absent.png failed."), std::string::npos);
    EXPECT_NE(log.find("Loading data/other-images/widgets-cross.png failed."), std::string::npos);
    // A 0 x 0 cross puts the caption at y = 10, centred and cut evenly on both sides.
    expectColourAt(toggle.surface.get(), white, {{0, 10}, {149, 21}});
    EXPECT_EQ(pixelAt(toggle.surface.get(), 75, 5), black);
    EXPECT_TRUE(toggle.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_TRUE(fullscreen);
}

TEST_F(ButtonTest, CentresPictureAndCaptionAsAGroup) {
    writeSolidPicture(dataFile::buttonOk, 30, 20, green);
    TWidgetButton button(200, 48, dataFile::buttonOk, "Play !", font());
    EXPECT_EQ(button.widgetType, TWidgetType::WidgetButton);
    SDL_Surface* picture = button.surface.get();
    // x0 = (200 - 30 - 54 - 10) div 2 = 53; picture at (53, 14), caption at (93, 18).
    expectColourAt(picture, green, {{53, 14}, {82, 33}});
    expectColourAt(picture, white, {{93, 18}, {146, 29}});
    expectColourAt(picture, black, {{52, 14}, {53, 13}, {147, 18}, {92, 18}});

    TWidgetButton arrow(140, 30, dataFile::buttonOk, "", font());
    EXPECT_EQ(pixelAt(arrow.surface.get(), 50, 5), green); // (140 - 30 - 0 - 10) div 2 = 50
    EXPECT_EQ(pixelAt(arrow.surface.get(), 49, 5), black);

    // Too narrow for "Options": x0 = (30 - 30 - 63 - 10) div 2 = -36, the caption cut at x 4 + 63.
    TWidgetButton narrow(30, 24, dataFile::buttonOk, "Options", font());
    EXPECT_EQ(pixelAt(narrow.surface.get(), 3, 6), black);
    expectColourAt(narrow.surface.get(), white, {{4, 6}, {29, 17}});
}

TEST_F(ButtonTest, FiresOnAClickInsideOrOnReturnOnly) {
    TWidgetButton button(150, 48, "none.png", "Quit", font());
    button.setPosition(150, 500);
    EXPECT_TRUE(button.handleEvent(mouseDown(150, 500)));
    EXPECT_TRUE(button.handleEvent(mouseDown(300, 548, SDL_BUTTON_RIGHT)));
    EXPECT_FALSE(button.handleEvent(mouseDown(149, 520)));
    EXPECT_FALSE(button.handleEvent(mouseDown(200, 549)));
    EXPECT_TRUE(button.handleEvent(keyDown(SDLK_RETURN)));
    EXPECT_FALSE(button.handleEvent(keyDown(SDLK_SPACE)));
    EXPECT_FALSE(button.handleEvent(keyUp(SDLK_RETURN)));
    SDL_Event release = mouseDown(200, 520);
    release.type = SDL_MOUSEBUTTONUP;
    EXPECT_FALSE(button.handleEvent(release));
    EXPECT_FALSE(button.handleEvent(mouseMotion(200, 520)));
}
