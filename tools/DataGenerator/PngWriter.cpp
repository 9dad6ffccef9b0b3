#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::array<std::uint8_t, 8> SIGNATURE = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t BIT_DEPTH = 8;
constexpr std::uint8_t RGBA_COLOR = 6;
constexpr std::uint8_t NO_FILTER = 0;
constexpr std::size_t LONGEST_STORED_BLOCK = 65535;
constexpr std::uint32_t ADLER_MODULUS = 65521;

void PutBigEndian32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (const int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t low = 1;
    std::uint32_t high = 0;
    for (const std::uint8_t byte : bytes) {
        low = (low + byte) % ADLER_MODULUS;
        high = (high + low) % ADLER_MODULUS;
    }
    return (high << 16) | low;
}

// Length, type, data and a checksum of type and data.
void PutChunk(std::vector<std::uint8_t>& png, const std::string& type, const std::vector<std::uint8_t>& data) {
    PutBigEndian32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian32(png, Crc32(png.data() + typeStart, png.size() - typeStart));
}

// Each row of PngWriter::Rows after its filter byte.
std::vector<std::uint8_t> ScanLines(const Canvas& canvas) {
    const std::vector<std::uint8_t> rows = PngWriter::Rows(canvas);
    const std::size_t rowBytes = static_cast<std::size_t>(canvas.Width()) * 4;
    std::vector<std::uint8_t> lines;
    for (std::size_t row = 0; row < rows.size(); row += rowBytes) {
        lines.push_back(NO_FILTER);
        lines.insert(lines.end(), rows.begin() + static_cast<std::ptrdiff_t>(row),
                     rows.begin() + static_cast<std::ptrdiff_t>(row + rowBytes));
    }
    return lines;
}

// A zlib stream of stored blocks: no compression, so the same lines always give the same bytes.
std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> stream = {0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(LONGEST_STORED_BLOCK, data.size() - offset);
        const bool isLast = offset + length == data.size();
        stream.push_back(isLast ? 1 : 0);
        for (const std::size_t half : {length, ~length}) {
            stream.push_back(static_cast<std::uint8_t>(half & 0xFF));
            stream.push_back(static_cast<std::uint8_t>((half >> 8) & 0xFF));
        }
        stream.insert(stream.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                      data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < data.size());
    PutBigEndian32(stream, Adler32(data));
    return stream;
}

}  // namespace

std::vector<std::uint8_t> PngWriter::Encode(const Canvas& canvas) {
    std::vector<std::uint8_t> png(SIGNATURE.begin(), SIGNATURE.end());
    std::vector<std::uint8_t> header;
    PutBigEndian32(header, static_cast<std::uint32_t>(canvas.Width()));
    PutBigEndian32(header, static_cast<std::uint32_t>(canvas.Height()));
    header.insert(header.end(), {BIT_DEPTH, RGBA_COLOR, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    const std::vector<std::uint8_t> lines = ScanLines(canvas);
    PutChunk(png, "IDAT", ZlibStored(lines));
    PutChunk(png, "IEND", {});
    return png;
}

std::vector<std::uint8_t> PngWriter::Rows(const Canvas& canvas) {
    std::vector<std::uint8_t> rows;
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba& color = canvas.At(x, y);
            for (const double channel : {color.r, color.g, color.b, color.a}) rows.push_back(Rgba::ToByte(channel));
        }
    }
    return rows;
}
