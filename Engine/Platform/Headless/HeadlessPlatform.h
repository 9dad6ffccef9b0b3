#pragma once
// A platform without a display, for programs that run the game's rules as fast as they can:
// a clock that its owner sets, debugger output that goes nowhere, no window, and the text of
// a fatal error's first message box handed to the owner.
#include <cstdint>

#include "../Platform.h"

struct HeadlessPlatform {
    static constexpr std::int64_t COUNTS_PER_SECOND = 1000000;

    std::int64_t counter = 0;
    // Called with a message box's text; the report of a fatal error comes first.
    void (*onMessageBox)(const char* text) = nullptr;
};

// The one platform state, made on first use: the timer reads it during static construction.
HeadlessPlatform& Headless();
