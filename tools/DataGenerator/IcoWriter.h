#pragma once
#include <cstdint>
#include <vector>

#include "Canvas.h"

// Square canvases packed into one Windows icon file: the small ones as 32-bit bitmaps, which
// every Windows reads, the 256-pixel one as PNG, as Windows Vista and later expect it.
class IcoWriter {
public:
    static std::vector<std::uint8_t> Encode(const std::vector<Canvas>& images);
};
