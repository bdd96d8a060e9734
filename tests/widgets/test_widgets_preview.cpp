#include "resources/u_diagnostics.hpp"
#include "widget_test_support.hpp"
#include "widgets/u_widgets_preview.hpp"

namespace {

constexpr TRgb red{255, 0, 0};
constexpr TRgb green{0, 255, 0};
constexpr TRgb blue{0, 0, 255};

bool near(TRgb actual, TRgb expected) {
    return std::abs(actual.red - expected.red) < 8 && std::abs(actual.green - expected.green) < 8 &&
           std::abs(actual.blue - expected.blue) < 8;
}

class PreviewTest : public WidgetTest {
protected:
    // Red, green, blue bands across one axis, split so that only the green band is left once the thumbnail
    // is centred and cropped to 200 x 150.
    void writeBands(const std::string& name, int width, int height, bool across, int greenFrom,
                    int greenTo) const {
        writePicture("maps", name, width, height, [=](int x, int y) {
            const int position = across ? x : y;
            return position < greenFrom ? red : position < greenTo ? green : blue;
        });
    }
};

} // namespace

TEST_F(PreviewTest, CentresTheBackgroundThumbnailAndCropsItEvenly) {
    // 300 x 100 zooms by 1.5 to 450 x 150, placed at x = -125: source columns 83 to 216 stay visible.
    writeBands("back_wide.png", 300, 100, true, 84, 217);
    TWidgetPreview preview;
    const TDiagnosticCapture captured;
    preview.setMaps("fore_absent.png", "back_wide.png");
    EXPECT_NE(captured.text().find("Loading data/maps/fore_absent.png failed."), std::string::npos);
    preview.draw();
    EXPECT_EQ(preview.backThumb->w, 450);
    EXPECT_EQ(preview.backThumb->h, 150);
    EXPECT_EQ(preview.foreThumb->w, 0);
    SDL_Surface* picture = preview.surface.get();
    for (const int x : {3, 100, 196}) {
        for (const int y : {0, 75, 149}) {
            EXPECT_TRUE(near(pixelAt(picture, x, y), green))
                << x << ", " << y << ": " << pixelAt(picture, x, y);
        }
    }
}

TEST_F(PreviewTest, CentresTheTerrainThumbnailOverTheBackground) {
    writeBands("back_plain.png", 400, 300, false, 0, 300);
    // 100 x 300 zooms by 2 to 200 x 600, placed at y = -225: source rows 112 to 187 stay visible.
    writeBands("fore_tall.png", 100, 300, false, 113, 188);
    TWidgetPreview preview;
    preview.setMaps("fore_tall.png", "back_plain.png");
    preview.draw();
    EXPECT_EQ(preview.foreThumb->w, 200);
    EXPECT_EQ(preview.foreThumb->h, 600);
    EXPECT_EQ(preview.foreName, "fore_tall.png");
    EXPECT_EQ(preview.backName, "back_plain.png");
    SDL_Surface* picture = preview.surface.get();
    for (const int y : {3, 75, 146}) {
        EXPECT_TRUE(near(pixelAt(picture, 100, y), green)) << y << ": " << pixelAt(picture, 100, y);
    }
    EXPECT_TRUE(near(pixelAt(picture, 0, 75), green));
    EXPECT_TRUE(near(pixelAt(picture, 199, 75), green));

    preview.setActive(false); // never dimmed
    EXPECT_FALSE(preview.active);
    SurfacePtr target = createSurface(200, 150, false);
    SDL_BlitSurface(picture, nullptr, target.get(), nullptr);
    EXPECT_TRUE(near(pixelAt(target.get(), 100, 75), green));
}

TEST_F(PreviewTest, LoadsNothingWhenTheNamesAreAlreadyShown) {
    writeBands("back_plain.png", 400, 300, false, 0, 300);
    TWidgetPreview preview;
    preview.setMaps("fore_none.png", "back_plain.png");
    const SDL_Surface* shown = preview.backThumb.get();
    removePicture("maps", "back_plain.png");
    const TDiagnosticCapture captured;
    preview.setMaps("fore_none.png", "back_plain.png");
    EXPECT_EQ(captured.text(), "");
    EXPECT_EQ(preview.backThumb.get(), shown);
    EXPECT_EQ(preview.backThumb->w, 200);
}

TEST_F(PreviewTest, PicturesThatFailToLoadLeaveNoStaleMapOnShow) {
    writeBands("back_plain.png", 400, 300, false, 0, 300);
    TWidgetPreview preview;
    EXPECT_EQ(pixelAt(preview.surface.get(), 100, 75), black);
    preview.setMaps("fore_none.png", "back_plain.png");
    preview.draw();
    EXPECT_TRUE(near(pixelAt(preview.surface.get(), 100, 75), green));

    const TDiagnosticCapture quiet;
    preview.setMaps("fore_none.png", "back_gone.png");
    preview.draw();
    EXPECT_EQ(preview.backThumb->w, 0);
    EXPECT_EQ(preview.foreThumb->w, 0);
    EXPECT_EQ(pixelAt(preview.surface.get(), 100, 75), black);
    EXPECT_EQ(pixelAt(preview.surface.get(), 0, 0), black);
}
