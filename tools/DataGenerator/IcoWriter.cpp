#include "IcoWriter.h"

#include "PngWriter.h"

namespace {

constexpr int LARGE_SIZE = 256;
constexpr std::uint16_t ICON_TYPE = 1;
constexpr std::uint32_t DIRECTORY_SIZE = 6;
constexpr std::uint32_t ENTRY_SIZE = 16;
constexpr std::uint32_t BITMAP_HEADER_SIZE = 40;
constexpr std::uint16_t BITS_PER_PIXEL = 32;

void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A bitmap header of twice the height (colour rows, then the mask's), the BGRA rows bottom
// first, then the mask: one bit per pixel, set where the pixel is transparent, rows padded to
// four bytes.
std::vector<std::uint8_t> BitmapOf(const Canvas& image) {
    const int size = image.Width();
    const int maskRowBytes = (size + 31) / 32 * 4;
    std::vector<std::uint8_t> bitmap;
    PutLittleEndian(bitmap, BITMAP_HEADER_SIZE, 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(size), 4);
    PutLittleEndian(bitmap, static_cast<std::uint32_t>(2 * size), 4);
    PutLittleEndian(bitmap, 1, 2);
    PutLittleEndian(bitmap, BITS_PER_PIXEL, 2);
    bitmap.resize(BITMAP_HEADER_SIZE, 0);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskRowBytes) * size, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgba& color = image.At(x, y);
            for (const double channel : {color.b, color.g, color.r, color.a}) bitmap.push_back(Rgba::ToByte(channel));
            if (Rgba::ToByte(color.a) == 0) mask[static_cast<std::size_t>(y * maskRowBytes + x / 8)] |= 0x80 >> (x % 8);
        }
    }
    bitmap.insert(bitmap.end(), mask.begin(), mask.end());
    return bitmap;
}

}  // namespace

std::vector<std::uint8_t> IcoWriter::Encode(const std::vector<Canvas>& images) {
    std::vector<std::uint8_t> icon;
    PutLittleEndian(icon, 0, 2);
    PutLittleEndian(icon, ICON_TYPE, 2);
    PutLittleEndian(icon, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<std::uint8_t> pictures;
    for (const Canvas& image : images) {
        const bool isLarge = image.Width() == LARGE_SIZE;
        const std::vector<std::uint8_t> picture = isLarge ? PngWriter::Encode(image) : BitmapOf(image);
        const std::uint32_t offset = DIRECTORY_SIZE + ENTRY_SIZE * static_cast<std::uint32_t>(images.size()) +
                                     static_cast<std::uint32_t>(pictures.size());
        const std::uint32_t side = static_cast<std::uint32_t>(image.Width() % LARGE_SIZE);  // 0 stands for 256
        icon.insert(icon.end(), {static_cast<std::uint8_t>(side), static_cast<std::uint8_t>(side), 0, 0});
        PutLittleEndian(icon, 1, 2);
        PutLittleEndian(icon, BITS_PER_PIXEL, 2);
        PutLittleEndian(icon, static_cast<std::uint32_t>(picture.size()), 4);
        PutLittleEndian(icon, offset, 4);
        pictures.insert(pictures.end(), picture.begin(), picture.end());
    }
    icon.insert(icon.end(), pictures.begin(), pictures.end());
    return icon;
}
