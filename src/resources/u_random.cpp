#include "resources/u_random.hpp"

#include <chrono>
#include <cmath>
#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 engine{5489u};
    return engine;
}

// The engine is the same in every C++ library, but the standard leaves the distributions to each: the draws
// are written out here, as GCC's library makes them, so that a match plays the same wherever it is built
// (the browser's library is another one).

// A uniform value in 0 .. range - 1 from 32-bit draws: the high half of draw x range, with the draws that
// would favour some values rejected (multiply-and-shift with a threshold).
std::uint32_t drawBelow(std::uint32_t range) {
    std::uint64_t product = std::uint64_t{generator()()} * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = std::uint64_t{generator()()} * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

} // namespace

int Random(int n) {
    if (n <= 0) {
        return 0;
    }
    return static_cast<int>(drawBelow(static_cast<std::uint32_t>(n)));
}

// Two draws make the 53 bits of a double: (first + second x 2^32) / 2^64, rounded once when added; a sum
// that rounds up to 1 is taken as the largest double below it.
double RandomUnit() {
    constexpr double drawSpan = 4294967296.0; // 2^32
    const double first = static_cast<double>(generator()());
    const double sum = first + static_cast<double>(generator()()) * drawSpan;
    const double unit = sum / (drawSpan * drawSpan);
    return unit < 1.0 ? unit : std::nextafter(1.0, 0.0);
}

void reseedRandomFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void seedRandom(std::uint32_t seed) {
    generator().seed(seed);
}
