#include "app/u_video_driver.hpp"

#include <gtest/gtest.h>

TEST(VideoDriver, ADriverThatShowsNothingStopsTheGameUnlessItWasAskedFor) {
    for (const char* visible : {"x11", "wayland", "KMSDRM", "emscripten"}) {
        EXPECT_EQ(missingDisplayReason(visible, ""), "") << visible;
    }
    EXPECT_NE(missingDisplayReason("offscreen", ""), "");
    EXPECT_NE(missingDisplayReason("dummy", ""), "");
    EXPECT_NE(missingDisplayReason("dummy", "x11"), "") << "asked for another, fell back to nothing";
    EXPECT_EQ(missingDisplayReason("dummy", "dummy"), "");
    EXPECT_EQ(missingDisplayReason("offscreen", "OFFSCREEN"), "");

    EXPECT_EQ(videoStartFailure("No available video device", false),
              "Cannot open the window: no display (No available video device)");
    EXPECT_EQ(videoStartFailure("x11 not available", true), "Cannot start SDL: x11 not available");

    // The tests run on the driver they ask for, and the name is read through the build's own SDL.
    EXPECT_EQ(currentVideoDriver(), "dummy");
    EXPECT_EQ(missingDisplayReason(), "");
}
