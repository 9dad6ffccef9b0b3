#include "SteppedClock.h"

#include "Engine/Platform/Platform.h"

namespace {

constexpr std::int64_t COUNTS_PER_SECOND = 1000000000;
std::int64_t counter = 0;

}  // namespace

void StepClock(double seconds) { counter += static_cast<std::int64_t>(seconds * COUNTS_PER_SECOND); }

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    *countsPerSecond = COUNTS_PER_SECOND;
    return true;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    *count = counter;
    return true;
}

void Platform::Sleep(std::uint32_t /*milliseconds*/) {}
