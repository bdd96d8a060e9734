// The one place the game reads the wall clock, behind an interface tests can drive.
#pragma once

#include <cstdint>

class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds since an arbitrary start; wraps at 2^32.
    virtual std::uint32_t ticks() const = 0;
};

// The real clock, SDL's millisecond counter.
class TSdlClock final : public TClock {
public:
    std::uint32_t ticks() const override;
    static const TSdlClock& instance();
};
