#include "Timer.h"

#include "AssertionFailure.h"
#include "Platform/Platform.h"

double Timer::_secondsPerCount = 0.0;
std::int64_t Timer::_startCount = 0;

namespace {

// Shaped like Win32's LARGE_INTEGER, so that a failure names the field as Windows does.
struct LargeInteger {
    std::int64_t QuadPart;
};

std::int64_t ReadCounter() {
    std::int64_t count = 0;
    Platform::QueryPerformanceCounter(&count);
    return count;
}

}  // namespace

void Timer::Initialize() {
    LargeInteger queryPerfCountsPerSec = {0};
    const bool success = Platform::QueryPerformanceFrequency(&queryPerfCountsPerSec.QuadPart);
    ASSERT_ALL_BUILDS(success, "The system performance timer failed to initialize.");
    ASSERT_ALL_BUILDS(queryPerfCountsPerSec.QuadPart, "The system performance timer reported a frequency of 0.");
    _secondsPerCount = 1.0 / static_cast<double>(queryPerfCountsPerSec.QuadPart);
    _startCount = ReadCounter();
}

double Timer::GetSeconds() {
    if (_secondsPerCount == 0.0) Initialize();
    const std::int64_t elapsedCounts = ReadCounter() - _startCount;
    return static_cast<double>(elapsedCounts) * _secondsPerCount;
}

std::uint32_t Timer::GetMilliseconds() {
    const auto wholeMilliseconds = static_cast<std::int64_t>(GetSeconds() * 1000.0);
    return static_cast<std::uint32_t>(wholeMilliseconds);
}
