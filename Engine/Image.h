#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// One uncompressed true-colour TGA picture in memory: blue-green-red(-alpha) bytes,
// rows in the order the file stores them.
class Image {
public:
    explicit Image(const std::string& fileName);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    void LoadFromFile(const std::string& fileName);

    std::uint16_t _width;
    std::uint16_t _height;
    std::uint8_t _bitsPerPixel;
    std::uint8_t* _pixels;
    std::uint32_t _glInternalFormat;
    std::uint32_t _glPixelFormat;
    std::string _fileName;

private:
    void _LoadTGAFromFile(std::FILE* file);
    void _ChooseGLFormats();
    void _ReadPixels(std::FILE* file);
};
