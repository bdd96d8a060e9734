// Turning reals into pixels the one way the game does it.
#pragma once

#include <cmath>

// Nearest integer, halves to even (the default rounding mode).
inline int roundHalfEven(double value) {
    // Below 2^51, adding 1.5 x 2^52 leaves no bit for a fraction: the addition itself rounds, halves to
    // even, without the library call that the pixel probes would otherwise pay each time.
    constexpr double noFractionBits = 6755399441055744.0;
    if (std::fabs(value) < 2251799813685248.0) {
        return static_cast<int>((value + noFractionBits) - noFractionBits);
    }
    return static_cast<int>(std::nearbyint(value));
}
