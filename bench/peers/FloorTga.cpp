#include "FloorTga.h"

#include <cstdio>

namespace {

constexpr int HEADER_SIZE = 18;
constexpr int TRUE_COLOR = 2;
constexpr unsigned char TOP_ORIGIN = 0x20;

}  // namespace

bool FloorTga::Load(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    unsigned char header[HEADER_SIZE];
    bool good = std::fread(header, 1, HEADER_SIZE, file) == HEADER_SIZE && header[0] == 0 && header[2] == TRUE_COLOR &&
                (header[16] == 24 || header[16] == 32);
    if (good) {
        width = header[12] | header[13] << 8;
        height = header[14] | header[15] << 8;
        bytesPerPixel = header[16] / 8;
        pixels.resize(static_cast<std::size_t>(width) * height * bytesPerPixel);
        good = std::fread(pixels.data(), 1, pixels.size(), file) == pixels.size();
        if ((header[17] & TOP_ORIGIN) != 0) {  // keep the bottom row first
            const std::size_t row = static_cast<std::size_t>(width) * bytesPerPixel;
            for (int y = 0; y < height / 2; ++y) {
                std::swap_ranges(pixels.begin() + y * row, pixels.begin() + (y + 1) * row,
                                 pixels.begin() + (height - 1 - y) * row);
            }
        }
    }
    std::fclose(file);
    return good;
}

unsigned FloorTga::RgbAt(int x, int rowFromTop) const {
    const unsigned char* pixel =
        &pixels[(static_cast<std::size_t>(height - 1 - rowFromTop) * width + x) * bytesPerPixel];
    return static_cast<unsigned>(pixel[2]) << 16 | static_cast<unsigned>(pixel[1]) << 8 | pixel[0];
}
