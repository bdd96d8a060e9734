#include "resources/u_diagnostics.hpp"

#include <iostream>
#include <utility>

namespace {

// A capture puts itself here and gives the place back to the one before it.
std::ostream* sink = &std::cout;

} // namespace

void diagnosticLine(const std::string& line) {
    *sink << line << std::endl;
}

TDiagnosticCapture::TDiagnosticCapture() : previous_(std::exchange(sink, &lines_)) {}

TDiagnosticCapture::~TDiagnosticCapture() {
    sink = previous_;
}
