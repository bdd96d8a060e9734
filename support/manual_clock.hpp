// A clock that only moves when a test tells it to.
#pragma once

#include "resources/u_clock.hpp"

class TManualClock final : public TClock {
public:
    explicit TManualClock(std::uint32_t start = 0) : now_(start) {}
    std::uint32_t ticks() const override { return now_; }
    void advance(std::uint32_t milliseconds) { now_ += milliseconds; }
    void set(std::uint32_t milliseconds) { now_ = milliseconds; }

private:
    std::uint32_t now_;
};
