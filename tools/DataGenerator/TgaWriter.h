#pragma once
#include <cstdint>
#include <vector>

#include "Canvas.h"

// A canvas as an uncompressed true-colour TGA: no ID, no colour map, zero origin, bottom row
// first.
class TgaWriter {
public:
    static std::vector<std::uint8_t> Encode(const Canvas& canvas, int bitsPerPixel);
};
