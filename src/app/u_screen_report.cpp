#include "app/u_screen_report.hpp"

#include "resources/u_diagnostics.hpp"

#include <cstdlib>

bool screenReportOn() {
    return std::getenv("MORVATEK_STARTUP_REPORT") != nullptr;
}

void reportScreenShown(const std::string& screen) {
    if (screenReportOn()) {
        diagnosticLine(screen, " shown");
    }
}

void reportScreenLine(const std::string& line) {
    if (screenReportOn()) {
        diagnosticLine(line);
    }
}
