#include "TgaWriter.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

constexpr std::uint8_t TRUE_COLOR_IMAGE = 2;
constexpr std::size_t HEADER_SIZE = 18;
constexpr int ALPHA_BITS = 8;
constexpr double BYTE_MAX = 255.0;

std::uint8_t ToByte(double channel) {
    const double clamped = channel < 0.0 ? 0.0 : channel > 1.0 ? 1.0 : channel;
    return static_cast<std::uint8_t>(std::floor(clamped * BYTE_MAX + 0.5));
}

void PutLittleEndian16(std::vector<std::uint8_t>& bytes, std::size_t offset, int value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::vector<std::uint8_t> HeaderOf(const Canvas& canvas, int bitsPerPixel) {
    std::vector<std::uint8_t> header(HEADER_SIZE, 0);
    header[2] = TRUE_COLOR_IMAGE;
    PutLittleEndian16(header, 12, canvas.Width());
    PutLittleEndian16(header, 14, canvas.Height());
    header[16] = static_cast<std::uint8_t>(bitsPerPixel);
    header[17] = static_cast<std::uint8_t>(bitsPerPixel == 32 ? ALPHA_BITS : 0);
    return header;
}

}  // namespace

bool TgaWriter::Write(const Canvas& canvas, const std::string& path, int bitsPerPixel) {
    std::vector<std::uint8_t> bytes = HeaderOf(canvas, bitsPerPixel);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
    bytes.resize(HEADER_SIZE + static_cast<std::size_t>(canvas.Width()) * canvas.Height() * bytesPerPixel);
    std::uint8_t* out = bytes.data() + HEADER_SIZE;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x, out += bytesPerPixel) {
            const Rgba& color = canvas.At(x, y);
            out[0] = ToByte(color.b);
            out[1] = ToByte(color.g);
            out[2] = ToByte(color.r);
            if (bytesPerPixel == 4) out[3] = ToByte(color.a);
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
