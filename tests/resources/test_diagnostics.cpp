#include "resources/u_diagnostics.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

TEST(Diagnostics, LinesGoToStandardOutputUnlessCapturedAndCapturesNest) {
    std::ostringstream out;
    std::streambuf* const standardOutput = std::cout.rdbuf(out.rdbuf());
    diagnosticLine("Could not place ", 2, " of ", 7, " tumboks.");
    {
        const TDiagnosticCapture outer;
        {
            const TDiagnosticCapture inner;
            diagnosticLine("inner");
            EXPECT_EQ(inner.text(), "inner\n");
        }
        diagnosticLine("outer");
        EXPECT_EQ(outer.text(), "outer\n");
    }
    diagnosticLine("last");
    std::cout.rdbuf(standardOutput);
    EXPECT_EQ(out.str(), "Could not place 2 of 7 tumboks.\nlast\n");
}
