#include "../Platform.h"
#include "Win32Api.h"

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    LARGE_INTEGER frequency = {};
    const BOOL success = ::QueryPerformanceFrequency(&frequency);
    *countsPerSecond = frequency.QuadPart;
    return success != FALSE;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    LARGE_INTEGER counter = {};
    const BOOL success = ::QueryPerformanceCounter(&counter);
    *count = counter.QuadPart;
    return success != FALSE;
}

void Platform::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }
