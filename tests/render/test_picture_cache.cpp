#include "render/render_scene.hpp"
#include "render/u_picture_cache.hpp"

#include <cmath>

using namespace render_test;

// The transforms' guard rows must not end up in the kept copy: a 20 x 20 frame zoomed by 1.5 is 30 x 30
// and opaque to its last row.
TEST(PictureTransforms, CopiesHaveExactlyTheTransformedSize) {
    SurfacePtr frame = solidPicture(20, 20, red);
    const SurfacePtr zoomed = zoomPicture(frame.get(), 1.5);
    ASSERT_NE(zoomed, nullptr);
    EXPECT_EQ(zoomed->w, 30);
    EXPECT_EQ(zoomed->h, 30);
    EXPECT_EQ(pixelAt(zoomed.get(), 29, 29), red);

    const SurfacePtr turned = rotatePicture(frame.get(), 90);
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(turned->w, turned->h);
    EXPECT_EQ(pixelAt(turned.get(), turned->w / 2, turned->h / 2), red);
    EXPECT_EQ(pixelAt(turned.get(), 0, 0).a, 0);
    // Its transparent corners leave the window alone.
    fillSurface(SDL_GetVideoSurface(), backdrop);
    SDL_BlitSurface(turned.get(), nullptr, SDL_GetVideoSurface(), nullptr);
    expectScreen({{0, 0, backdrop}, {turned->w / 2, turned->h / 2, red}});
}

TEST(PictureTransforms, EmptySourcesAndNoZoomGiveNothing) {
    SurfacePtr empty = createSurface(0, 0, true);
    SurfacePtr frame = solidPicture(20, 20, red);
    EXPECT_EQ(rotatePicture(empty.get(), 30), nullptr);
    EXPECT_EQ(rotatePicture(nullptr, 30), nullptr);
    EXPECT_EQ(zoomPicture(empty.get(), 2), nullptr);
    EXPECT_EQ(zoomPicture(frame.get(), 0), nullptr);
    EXPECT_EQ(zoomPicture(frame.get(), -1), nullptr);
    EXPECT_EQ(zoomPicture(frame.get(), NAN), nullptr);
}

TEST(PictureCache, KeepsCopiesPerSourceAndKeyWithinItsCapacity) {
    TPictureCache cache(3);
    SurfacePtr a = solidPicture(4, 4, red);
    SurfacePtr b = solidPicture(4, 4, blue);
    int made = 0;
    const auto make = [&] {
        ++made;
        return solidPicture(2, 2, green);
    };
    SDL_Surface* first = cache.obtain(a.get(), 7, make);
    EXPECT_EQ(cache.obtain(a.get(), 7, make), first);
    EXPECT_EQ(made, 1);
    cache.obtain(a.get(), 8, make);
    cache.obtain(a.get(), 9, make);
    EXPECT_EQ(cache.size(), 3u);
    cache.obtain(a.get(), 10, make); // full: starts over
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_FALSE(cache.contains(a.get(), 7));
    // Another source drops the copies of the first.
    cache.obtain(b.get(), 10, make);
    EXPECT_FALSE(cache.contains(a.get(), 10));
    EXPECT_TRUE(cache.contains(b.get(), 10));
    // A failed transform is kept as nothing and not retried.
    const auto fail = [&] {
        ++made;
        return SurfacePtr();
    };
    EXPECT_EQ(cache.obtain(b.get(), 11, fail), nullptr);
    EXPECT_EQ(cache.obtain(b.get(), 11, fail), nullptr);
    EXPECT_EQ(made, 6);
}

// Frames are new surfaces, which do not blend by themselves: their transparent parts must not cover what
// lies under them.
TEST(PictureTransforms, CutFramesKeepTheirTransparencyWhenDrawn) {
    SurfacePtr sheet = createSurface(10, 30, true);
    fillSurface(sheet.get(), {0, 0, 0, 0});
    fillArea(sheet.get(), 0, 10, 5, 10, green); // left half of the middle frame
    const std::vector<SurfacePtr> frames = cutFrameSheet(sheet.get(), 3);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[1]->w, 10);
    EXPECT_EQ(frames[1]->h, 10);
    fillSurface(SDL_GetVideoSurface(), backdrop);
    SDL_BlitSurface(frames[1].get(), nullptr, SDL_GetVideoSurface(), nullptr);
    expectScreen({{2, 5, green}, {7, 5, backdrop}});

    const std::vector<SurfacePtr> none = cutFrameSheet(nullptr, 6);
    ASSERT_EQ(none.size(), 6u);
    EXPECT_EQ(none[0]->w, 0);
}
