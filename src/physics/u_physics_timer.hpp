// The turn clock: how long the current turn has left, read from the wall clock.
#pragma once

#include "resources/u_clock.hpp"

#include <cstdint>

class TTimer {
public:
    static constexpr std::int32_t turnDuration = 40000;

    // Starts at once; the clock must outlive the timer.
    explicit TTimer(std::int32_t durationMs, const TClock& clock = TSdlClock::instance());

    void restart();
    // Takes effect on the running turn; the start is kept.
    void setDuration(std::int32_t durationMs);
    // Milliseconds left, negative once the time is used up.
    std::int32_t remaining() const;
    bool isRunning() const;

    std::uint32_t startTicks = 0;
    std::int32_t duration;

private:
    // Taken as the unsigned difference so a counter passing 2^31 (or wrapping) changes nothing.
    std::uint32_t elapsed() const;

    const TClock* clock_;
};
