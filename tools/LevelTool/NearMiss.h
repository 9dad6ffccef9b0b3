#pragma once
#include <cstdint>

// The data image's colour codes, the colours that are none of them (the game reads them as open
// floor), and the code such a stray colour narrowly misses: close on every channel to it.
class NearMiss {
public:
    static constexpr int MOST_CHANNEL_DIFFERENCE = 16;

    struct Code {
        std::uint32_t color;
        const char* meaning;
    };

    // Neither a code nor black, the colour of plain floor.
    static bool IsStray(std::uint32_t color);
    // The code `color` narrowly misses, or null for a code or a colour far from every code.
    static const Code* Of(std::uint32_t color);
};
