// Turning reals into pixels the one way the game does it.
#pragma once

#include <cmath>

// Nearest integer, halves to even (the default rounding mode).
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
