#pragma once
#include <cstdint>
#include <vector>

#include "Canvas.h"

// A canvas as a PNG: 8-bit RGBA, not interlaced, its rows in stored (uncompressed) deflate
// blocks, so that the bytes depend on the pixels alone and need no compression library.
class PngWriter {
public:
    static std::vector<std::uint8_t> Encode(const Canvas& canvas);
    // The pixels as a PNG holds them: rows from the top, RGBA bytes, straight alpha.
    static std::vector<std::uint8_t> Rows(const Canvas& canvas);
};
