// The clock is the page's (performance.now, in microseconds). The browser gets its turn at
// every buffer swap, which waits for the next animation frame; once frames are shown Sleep(0)
// gives nothing more, since yielding between the swap and the next frame's drawing would
// show the cleared canvas. Before the first frame it is one more of the start's turns.
#include <emscripten.h>

#include "../Platform.h"
#include "WebState.h"

namespace {

constexpr std::int64_t MICROSECONDS_PER_SECOND = 1000000;

}  // namespace

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    *countsPerSecond = MICROSECONDS_PER_SECOND;
    return true;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    *count = static_cast<std::int64_t>(emscripten_get_now() * 1000.0);
    return true;
}

void Platform::Sleep(std::uint32_t milliseconds) {
    if (milliseconds > 0) {
        emscripten_sleep(milliseconds);
    } else {
        KeepStartResponsive();
    }
}
