#include "app/u_startup_report.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>

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
    std::ostringstream silent;
    reportFirstMainMenuFrame(silent);
    EXPECT_EQ(silent.str(), "");

    setenv("MORVATEK_STARTUP_REPORT", "1", 1);
    std::ostringstream first;
    reportFirstMainMenuFrame(first);
    std::ostringstream second;
    reportFirstMainMenuFrame(second);
    unsetenv("MORVATEK_STARTUP_REPORT");
    EXPECT_TRUE(std::regex_match(first.str(), std::regex("Main menu first frame drawn after [0-9]+ ms\n")))
        << first.str();
    EXPECT_EQ(second.str(), "");
}
