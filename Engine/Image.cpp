#include "Image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "AssertionFailure.h"
#include "Platform/OpenGL.h"
#include "Platform/Platform.h"

namespace {

// Image ID length 0, no colour map, type 2 (uncompressed true-colour), zero origin.
const std::uint8_t _primerTGA_correct[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// A file's width x height x bytes-per-pixel can need more than 32 bits (above
// 32767 x 32767); such a header is refused before anything is allocated or read.
constexpr std::uint64_t LARGEST_PIXEL_BLOCK = 0xFFFFFFFFu;

template <typename Field>
void ReadLittleEndian(std::FILE* file, Field* field) {
    std::uint8_t bytes[sizeof(Field)];
    if (std::fread(bytes, 1, sizeof(bytes), file) != sizeof(bytes)) return;
    Field value = 0;
    for (std::size_t i = sizeof(Field); i-- > 0;) value = static_cast<Field>((value << 8) | bytes[i]);
    *field = value;
}

}  // namespace

Image::Image(const std::string& fileName)
    : _width(0), _height(0), _bitsPerPixel(0), _pixels(nullptr), _glInternalFormat(0), _glPixelFormat(0),
      _fileName(fileName) {
    LoadFromFile(fileName);
}

Image::~Image() { std::free(_pixels); }

void Image::LoadFromFile(const std::string& fileName) {
    // Closed on every way out, a test hook's way out of a failure included.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(Platform::OpenFile(fileName.c_str(), "rb"),
                                                                 std::fclose);
    ASSERT_ALL_BUILDS(file, "Image::LoadFromFile : failed to open \"%s\"\n", fileName.c_str());
    _LoadTGAFromFile(file.get());
}

void Image::_LoadTGAFromFile(std::FILE* file) {
    std::uint8_t primerTGA[12];
    const std::size_t bytesRead = std::fread(primerTGA, 1, sizeof(primerTGA), file);
    ASSERT_ALL_BUILDS(bytesRead == sizeof( primerTGA ), "");
    ASSERT_ALL_BUILDS(!memcmp( primerTGA, _primerTGA_correct, sizeof( primerTGA ) ), "");

    std::uint8_t imageDescriptor = 0;
    ReadLittleEndian(file, &_width);
    ReadLittleEndian(file, &_height);
    ReadLittleEndian(file, &_bitsPerPixel);
    ReadLittleEndian(file, &imageDescriptor);

    _ChooseGLFormats();
    _ReadPixels(file);
}

void Image::_ChooseGLFormats() {
    if (_bitsPerPixel == 32) {
        _glInternalFormat = GL_RGBA;
        _glPixelFormat = GL_BGRA_EXT;
    } else if (_bitsPerPixel == 24) {
        _glInternalFormat = GL_RGB;
        _glPixelFormat = GL_BGR_EXT;
    } else {
        FATAL_ERROR("Image::_LoadTGAFromFile : %s had unsupported bit-depth of %d bpp\n", _fileName.c_str(),
                    static_cast<int>(_bitsPerPixel));
    }
}

void Image::_ReadPixels(std::FILE* file) {
    const std::uint64_t wideByteCount = std::uint64_t{_bitsPerPixel / 8u} * _height * _width;
    ASSERT_ALL_BUILDS(wideByteCount <= LARGEST_PIXEL_BLOCK,
                      "Image::_LoadTGAFromFile : %s is too large (%d x %d pixels)\n", _fileName.c_str(),
                      static_cast<int>(_width), static_cast<int>(_height));
    const auto pixelBytes = static_cast<std::uint32_t>(wideByteCount);
    // A header may promise more than the file holds; that is known before allocating.
    std::size_t bytesRead = std::min<std::uint64_t>(Platform::FileBytesLeft(file), pixelBytes);
    if (bytesRead == pixelBytes) {
        // The size comes from the file, so running out of memory is the file's failure.
        _pixels = static_cast<std::uint8_t*>(std::malloc(pixelBytes == 0 ? 1 : pixelBytes));
        ASSERT_ALL_BUILDS(_pixels, "Image::_LoadTGAFromFile : cannot allocate %u bytes for the pixels of %s\n",
                          static_cast<unsigned>(pixelBytes), _fileName.c_str());
        bytesRead = std::fread(_pixels, 1, pixelBytes, file);
    }
    ASSERT_ALL_BUILDS(bytesRead == pixelBytes, "");
}
