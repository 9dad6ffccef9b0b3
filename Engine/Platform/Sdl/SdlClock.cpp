#include <sched.h>
#include <time.h>

#include "../Platform.h"

namespace {

constexpr std::int64_t NANOSECONDS_PER_SECOND = 1000000000;

}  // namespace

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    *countsPerSecond = NANOSECONDS_PER_SECOND;
    return true;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) return false;
    *count = static_cast<std::int64_t>(now.tv_sec) * NANOSECONDS_PER_SECOND + now.tv_nsec;
    return true;
}

void Platform::Sleep(std::uint32_t milliseconds) {
    if (milliseconds == 0) {
        sched_yield();  // Sleep(0): give up the rest of the time slice
        return;
    }
    const timespec pause = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000};
    nanosleep(&pause, nullptr);
}
