// The one way out for the program's diagnostic lines: standard output, unless a capture takes them.
#pragma once

#include <sstream>
#include <string>

// Writes one line and flushes it, so that it is out even if the program stops right after.
void diagnosticLine(const std::string& line);

// The parts, printed one after the other as a stream prints them, make one line.
template <class... Parts> void diagnosticLine(const Parts&... parts) {
    std::ostringstream line;
    (line << ... << parts);
    diagnosticLine(line.str());
}

// While it lives, the lines are kept here instead (tests read them, or keep expected reports quiet).
class TDiagnosticCapture {
public:
    TDiagnosticCapture();
    ~TDiagnosticCapture();

    // Every line captured so far, each followed by "\n".
    std::string text() const { return lines_.str(); }

private:
    std::ostringstream lines_;
    std::ostream* previous_;
};
