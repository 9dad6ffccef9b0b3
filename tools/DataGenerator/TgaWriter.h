#pragma once
#include <string>

#include "Canvas.h"

// Writes a canvas as an uncompressed true-colour TGA: no ID, no colour map, zero origin,
// bottom row first.
class TgaWriter {
public:
    // False when the file cannot be written.
    static bool Write(const Canvas& canvas, const std::string& path, int bitsPerPixel);
};
