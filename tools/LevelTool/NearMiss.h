#pragma once
#include <cstdint>

// The data image's colour codes, and the code a stray colour narrowly misses: close on every
// channel to a code but not exactly it, which the game reads as open floor.
class NearMiss {
public:
    static constexpr int MOST_CHANNEL_DIFFERENCE = 16;

    struct Code {
        std::uint32_t color;
        const char* meaning;
    };

    // The code `color` narrowly misses, or null for a code or a colour far from every code.
    static const Code* Of(std::uint32_t color);
};
