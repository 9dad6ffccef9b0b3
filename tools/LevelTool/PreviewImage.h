#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Engine/Vec2.h"

// A picture of the level in level coordinates (y up), painted over and written as a PNG.
class PreviewImage {
public:
    struct Rgb {
        std::uint8_t r, g, b;
    };

    PreviewImage(int width, int height);

    // `alpha` of `color` over what is there.
    void Blend(int x, int y, Rgb color, float alpha);
    // The pixels whose centres lie from `inner` to `outer` away from `center`: a disc from 0.
    void Annulus(const Vec2& center, float inner, float outer, Rgb color, float alpha);
    // False with the library's message when the file cannot be written.
    bool WritePng(const std::string& path, std::string& error) const;

private:
    int _width;
    int _height;
    std::vector<std::uint8_t> _rgb;  // rows from the top, as a PNG stores them
};
