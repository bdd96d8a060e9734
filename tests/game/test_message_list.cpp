#include "game/u_message_list.hpp"

#include "app/u_display.hpp"
#include "app/u_preferences.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "support/pixels.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int glyphWidth = 6;
constexpr int glyphHeight = 8;
constexpr TRgba white{255, 255, 255, 255};

// A window and a small font whose every glyph is a solid white cell, so drawn text shows as white blocks.
class MessageListTest : public testing::Test {
protected:
    MessageListTest() : preferences((directory.path() / "config.txt").string()) {
        const TDiagnosticCapture quiet; // the window's icon and loading picture may be missing here
        display = std::make_unique<TDisplay>(preferences);
        font = std::make_unique<TFont>();
        font->imageSmall = createSurface(95 * glyphWidth, glyphHeight, true);
        fillSurface(font->imageSmall.get(), white);
    }

    void clearScreen() const { fillSurface(display->screen, {0, 0, 0, 255}); }

    // Width of the white run starting at the left edge of row y.
    int whiteRunAt(int y) const {
        SDL_Surface* screen = display->screen;
        const SurfaceLock lock(screen);
        int x = 0;
        while (x < screen->w && pixelAt(screen, x, y) == white) {
            ++x;
        }
        return x;
    }

    TTempDir directory;
    TPreferences preferences;
    std::unique_ptr<TDisplay> display;
    std::unique_ptr<TFont> font;
};

} // namespace

TEST_F(MessageListTest, SixMessagesShowTheLastFiveOldestOnTop) {
    ASSERT_TRUE(display->ready());
    TMessageList messages(*display, *font);
    for (int i = 1; i <= 6; ++i) {
        messages.add(std::string(static_cast<std::size_t>(i), 'x')); // message i is i glyphs wide
    }
    clearScreen();
    messages.draw();
    for (int i = 2; i <= 6; ++i) {
        const int top = (i - 2) * glyphHeight;
        EXPECT_EQ(whiteRunAt(top), i * glyphWidth) << "message " << i;
        EXPECT_EQ(whiteRunAt(top + glyphHeight - 1), i * glyphWidth) << "message " << i;
    }
    EXPECT_EQ(whiteRunAt(5 * glyphHeight), 0);
}

TEST_F(MessageListTest, EachLineStartsBelowThePreviousOne) {
    TMessageList messages(*display, *font);
    messages.add("ab\nabc"); // two rows high
    messages.add("abcd");
    clearScreen();
    messages.draw();
    EXPECT_EQ(whiteRunAt(0), 2 * glyphWidth);
    EXPECT_EQ(whiteRunAt(2 * glyphHeight - 1), 3 * glyphWidth);
    EXPECT_EQ(whiteRunAt(2 * glyphHeight), 4 * glyphWidth);
    EXPECT_EQ(whiteRunAt(3 * glyphHeight), 0);
}

TEST_F(MessageListTest, EmptyListDrawsNothing) {
    const TMessageList messages(*display, *font);
    clearScreen();
    messages.draw();
    EXPECT_EQ(messages.first, -1);
    EXPECT_EQ(messages.last, -1);
    EXPECT_EQ(whiteRunAt(0), 0);
}
