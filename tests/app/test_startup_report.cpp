#include "app/u_startup_report.hpp"

#include "resources/u_diagnostics.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

TEST(StartupReport, ProcessAgeGrowsFromTheProcessStart) {
    const std::optional<double> first = processAgeMs();
    ASSERT_TRUE(first.has_value());
    EXPECT_GE(*first, 0.0);
    const std::optional<double> second = processAgeMs();
    ASSERT_TRUE(second.has_value());
    EXPECT_GE(*second, *first);
}

TEST(StartupReport, SilentWithoutTheVariableThenOneLineOnce) {
    unsetenv("MORVATEK_STARTUP_REPORT");
    const TDiagnosticCapture captured;
    reportFirstMainMenuFrame();
    EXPECT_EQ(captured.text(), "");

    setenv("MORVATEK_STARTUP_REPORT", "1", 1);
    reportFirstMainMenuFrame();
    reportFirstMainMenuFrame();
    unsetenv("MORVATEK_STARTUP_REPORT");
    EXPECT_TRUE(
        std::regex_match(captured.text(), std::regex("Main menu first frame drawn after [0-9]+ ms\n")))
        << captured.text();
}
