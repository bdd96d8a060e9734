#include "physics/u_physics_timer.hpp"

TTimer::TTimer(std::int32_t durationMs, const TClock& clock) : duration(durationMs), clock_(&clock) {
    restart();
}

void TTimer::restart() {
    startTicks = clock_->ticks();
}

void TTimer::setDuration(std::int32_t durationMs) {
    duration = durationMs;
}

std::int32_t TTimer::remaining() const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(duration) - elapsed());
}

bool TTimer::isRunning() const {
    return static_cast<std::int64_t>(elapsed()) < duration;
}

std::uint32_t TTimer::elapsed() const {
    return clock_->ticks() - startTicks;
}
