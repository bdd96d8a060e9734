#include "resources/u_random.hpp"

#include <chrono>
#include <random>

namespace {

std::mt19937& generator() {
    static std::mt19937 engine{5489u};
    return engine;
}

} // namespace

int Random(int n) {
    if (n <= 0) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(generator());
}

double RandomUnit() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

void reseedRandomFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

void seedRandom(std::uint32_t seed) {
    generator().seed(seed);
}
