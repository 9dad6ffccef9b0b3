#pragma once
#include <cstdint>

// The engine's one clock: time since its first use, from the performance counter.
class Timer {
public:
    static void Initialize();
    static double GetSeconds();
    static std::uint32_t GetMilliseconds();

private:
    static double _secondsPerCount;  // 0.0 until initialised
    static std::int64_t _startCount;
};
