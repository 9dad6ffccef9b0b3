#pragma once
#include <cstdint>

class Image;

// One OpenGL texture made from one Image; the GL upload copies the pixels, so the Image
// may go as soon as the Texture exists. Never released: textures go with the context.
class Texture {
public:
    explicit Texture(const Image& image);

    std::uint16_t _width;
    std::uint16_t _height;
    std::uint8_t _bitsPerPixel;
    std::uint32_t _glInternalFormat;
    std::uint32_t _textureName;
};
