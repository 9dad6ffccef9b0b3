#include "TgaWriter.h"

namespace {

constexpr std::uint8_t TRUE_COLOR_IMAGE = 2;
constexpr std::size_t HEADER_SIZE = 18;
constexpr int ALPHA_BITS = 8;

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

std::vector<std::uint8_t> TgaWriter::Encode(const Canvas& canvas, int bitsPerPixel) {
    std::vector<std::uint8_t> bytes = HeaderOf(canvas, bitsPerPixel);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
    bytes.resize(HEADER_SIZE + static_cast<std::size_t>(canvas.Width()) * canvas.Height() * bytesPerPixel);
    std::uint8_t* out = bytes.data() + HEADER_SIZE;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x, out += bytesPerPixel) {
            const Rgba& color = canvas.At(x, y);
            out[0] = Rgba::ToByte(color.b);
            out[1] = Rgba::ToByte(color.g);
            out[2] = Rgba::ToByte(color.r);
            if (bytesPerPixel == 4) out[3] = Rgba::ToByte(color.a);
        }
    }
    return bytes;
}
