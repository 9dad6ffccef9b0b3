#include "PreviewImage.h"

#include <png.h>

#include <cmath>

PreviewImage::PreviewImage(int width, int height)
    : _width(width), _height(height), _rgb(static_cast<std::size_t>(width) * height * 3, 0) {}

void PreviewImage::Blend(int x, int y, Rgb color, float alpha) {
    if (x < 0 || y < 0 || x >= _width || y >= _height) return;
    std::uint8_t* pixel = &_rgb[(static_cast<std::size_t>(_height - 1 - y) * _width + x) * 3];
    const std::uint8_t channels[] = {color.r, color.g, color.b};
    for (int i = 0; i < 3; ++i) pixel[i] = static_cast<std::uint8_t>(std::lround(pixel[i] + (channels[i] - pixel[i]) * alpha));
}

void PreviewImage::Annulus(const Vec2& center, float inner, float outer, Rgb color, float alpha) {
    for (int y = static_cast<int>(std::floor(center.y - outer)); y <= static_cast<int>(center.y + outer); ++y) {
        for (int x = static_cast<int>(std::floor(center.x - outer)); x <= static_cast<int>(center.x + outer); ++x) {
            const float distance = (Vec2(x + 0.5f, y + 0.5f) - center).Length();
            if (distance >= inner && distance <= outer) Blend(x, y, color, alpha);
        }
    }
}

// libpng's simplified writer: 8-bit RGB, rows from the top.
bool PreviewImage::WritePng(const std::string& path, std::string& error) const {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(_width);
    image.height = static_cast<png_uint_32>(_height);
    image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, _rgb.data(), 0, nullptr) != 0) return true;
    error = image.message;
    return false;
}
