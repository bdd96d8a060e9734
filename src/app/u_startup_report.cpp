#include "app/u_startup_report.hpp"

#include "resources/u_diagnostics.hpp"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

// Field 22 of /proc/self/stat; the fields are counted after the command name, which may hold blanks.
constexpr int startTimeField = 22;
constexpr int firstFieldAfterName = 3;

std::optional<long long> startTimeTicks() {
    std::ifstream stat("/proc/self/stat");
    std::string text;
    std::getline(stat, text);
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(text.substr(nameEnd + 1));
    std::string field;
    for (int index = firstFieldAfterName; index < startTimeField; ++index) {
        fields >> field;
    }
    long long ticks = 0;
    if (!(fields >> ticks)) {
        return std::nullopt;
    }
    return ticks;
}

} // namespace

std::optional<double> processAgeMs() {
    const std::optional<long long> ticks = startTimeTicks();
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ticks || ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return std::nullopt;
    }
    const double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
    return nowMs - static_cast<double>(*ticks) * 1000.0 / static_cast<double>(ticksPerSecond);
}

void reportFirstMainMenuFrame() {
    static bool reported = false;
    if (reported || std::getenv("MORVATEK_STARTUP_REPORT") == nullptr) {
        return;
    }
    reported = true;
    const std::optional<double> age = processAgeMs();
    if (age) {
        diagnosticLine("Main menu first frame drawn after ", std::lround(*age), " ms");
    } else {
        diagnosticLine("Main menu first frame drawn (process start time unknown)");
    }
}
