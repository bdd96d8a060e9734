#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "app/u_screen_stack.hpp"
#include "app/u_stack.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_font.hpp"
#include "resources/u_surface_utils.hpp"
#include "sound/u_sound.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Stack, KeepsLastInFirstOutAndReportsMisuse) {
    int a = 1;
    int b = 2;
    const TDiagnosticCapture captured;
    {
        TStack stack;
        EXPECT_EQ(stack.top(), nullptr);
        EXPECT_FALSE(stack.pop());
        stack.push(&a);
        stack.push(&b);
        EXPECT_EQ(stack.top(), &b);
        EXPECT_TRUE(stack.pop());
        EXPECT_EQ(stack.top(), &a);
    }
    const std::string output = captured.text();
    const std::string expected = "Stack was empty while pop !\nStack wasn't empty !\nTStack.print --->\n" +
                                 std::to_string(reinterpret_cast<std::uintptr_t>(&a)) + "\n>---\n";
    EXPECT_EQ(output, expected);
    EXPECT_EQ(a, 1); // items are never freed by the stack
}

namespace {

// Records what happened to each screen, so a test can follow the stack's unwinding.
struct TScreenLog {
    std::vector<std::string> events;
};

class TFakeScreen final : public TBasicScreen {
public:
    TFakeScreen(TScreenType type, TScreenLog& log, TDisplay& display, TContext& context, TFont& font,
                TNoise& noise)
        : TBasicScreen(display, context, font, noise), type_(type), log_(log) {
        log_.events.push_back("create " + std::to_string(static_cast<int>(type_)));
    }
    ~TFakeScreen() override { log_.events.push_back("destroy " + std::to_string(static_cast<int>(type_))); }
    TScreenType run() override { return TScreenType::ScreenNone; }

private:
    TScreenType type_;
    TScreenLog& log_;
};

// The four shared objects every screen receives, real but quiet.
struct TSharedObjects {
    TTempDir dir;
    TContext context{(dir / "config.txt").string()};
    TDisplay display{context.preferences};
    TFont font{createSurface(0, 0, true), createSurface(0, 0, true), createSurface(0, 0, true)};
    TNoise noise{context.preferences};

    TScreenFactory fakeFactory(TScreenLog& log) {
        return [&log](TScreenType type, TDisplay& d, TContext& c, TFont& f, TNoise& n) {
            return std::make_unique<TFakeScreen>(type, log, d, c, f, n);
        };
    }
};

struct StackFixture : testing::Test {
    TSharedObjects shared;
    TScreenLog log;
    TScreenStack stack{shared.display, shared.context, shared.font, shared.noise, shared.fakeFactory(log)};
};

} // namespace

TEST_F(StackFixture, NoneFromTheMainMenuEmptiesTheStack) {
    stack.update(TScreenType::ScreenMainMenu);
    stack.update(TScreenType::ScreenNone);
    EXPECT_EQ(stack.topScreen(), nullptr);
    EXPECT_EQ(log.events, (std::vector<std::string>{"create 2", "destroy 2"}));
}

TEST_F(StackFixture, NoneResumesAParentThatIsNotFinished) {
    stack.update(TScreenType::ScreenMainMenu);
    TBasicScreen* menu = stack.topScreen();
    stack.update(TScreenType::ScreenPanelSettings);
    EXPECT_NE(stack.topScreen(), menu);
    stack.update(TScreenType::ScreenNone);
    EXPECT_EQ(stack.topScreen(), menu);
}

TEST_F(StackFixture, FinishedScreensUnwindTogether) {
    stack.update(TScreenType::ScreenMainMenu);
    TBasicScreen* menu = stack.topScreen();
    stack.update(TScreenType::ScreenPanelGame);
    stack.update(stack.topScreen()->finish(TScreenType::ScreenGame));
    stack.update(stack.topScreen()->finish(TScreenType::ScreenStatistics));
    log.events.clear();
    stack.update(TScreenType::ScreenNone);
    EXPECT_EQ(stack.topScreen(), menu);
    EXPECT_EQ(log.events, (std::vector<std::string>{"destroy 5", "destroy 4", "destroy 3"}));
}

TEST_F(StackFixture, QuitFromAnyDepthDestroysEveryScreenTopFirst) {
    stack.update(TScreenType::ScreenMainMenu);
    stack.update(TScreenType::ScreenPanelGame);
    stack.update(TScreenType::ScreenGame);
    log.events.clear();
    stack.update(TScreenType::ScreenQuit);
    EXPECT_EQ(stack.topScreen(), nullptr);
    EXPECT_EQ(log.events, (std::vector<std::string>{"destroy 4", "destroy 3", "destroy 2"}));
}

TEST_F(StackFixture, PoppingAnEmptyScreenStackOnlyReports) {
    const TDiagnosticCapture captured;
    stack.update(TScreenType::ScreenNone);
    EXPECT_EQ(captured.text(), "Stack was empty while pop !\n");
    EXPECT_EQ(stack.topScreen(), nullptr);
}

TEST(ScreenStackLifetime, ScreensLeftAtTheEndAreFreed) {
    TScreenLog log;
    {
        TSharedObjects shared;
        TScreenStack stack(shared.display, shared.context, shared.font, shared.noise,
                           shared.fakeFactory(log));
        stack.update(TScreenType::ScreenMainMenu);
        stack.update(TScreenType::ScreenPanelSettings);
    }
    EXPECT_EQ(log.events.back(), "destroy 2");
    EXPECT_EQ(log.events.size(), 4u);
}
