#pragma once
#include <string>
#include <vector>

// An uncompressed true-colour TGA as the floor program reads it: blue-green-red(-alpha)
// bytes, the bottom row first.
class FloorTga {
public:
    // False when the file is missing or not an uncompressed 24- or 32-bit TGA.
    bool Load(const std::string& path);
    // 0xRRGGBB of the pixel in column x of the row counted from the top.
    unsigned RgbAt(int x, int rowFromTop) const;

    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    std::vector<unsigned char> pixels;
};
