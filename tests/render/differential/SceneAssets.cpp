#include "SceneAssets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

struct ImageData {
    int width, height;
    GLint internalFormat;
    GLenum format;
    std::vector<GLubyte> bytes;
};

constexpr int WIDTHS[SceneAssets::IMAGES] = {32, 64, 128, 24, 8, 16, 16, 16, 32, 32};
constexpr int HEIGHTS[SceneAssets::IMAGES] = {32, 16, 128, 300, 8, 16, 16, 16, 16, 32};

// A small fixed hash for texel values: the same on every run and machine.
unsigned Hash(unsigned value) {
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    return value ^ (value >> 16);
}

GLubyte Byte(unsigned value) { return static_cast<GLubyte>(value & 0xFF); }

// Blue, green, red and alpha of texel (x, y) of image `image`.
void Texel(int image, int x, int y, GLubyte out[4]) {
    const unsigned noise = Hash(static_cast<unsigned>(image * 100000 + y * 1000 + x));
    out[0] = Byte(noise);
    out[1] = Byte(x * 8 + y * 3);
    out[2] = Byte(255 - y * 6);
    out[3] = 255;
    switch (image) {
        case 0:
        case 8:
        case 9: {  // a mine: a disc with a soft edge, a quarter of transparent margin
            const double distance = std::hypot(x - 15.5, y - 15.5);
            out[3] = distance > 9.0 ? 0 : Byte(static_cast<unsigned>(std::min(255.0, (9.0 - distance) * 160.0)));
            break;
        }
        case 1: out[3] = (x % 16 == 0 || y == 15) ? 128 : 255; break;  // frames that reach their edges
        case 4: out[3] = (x + y) % 3 == 0 ? 0 : 128; break;
        case 5: out[3] = Byte(noise >> 8); break;
        default: break;
    }
}

ImageData ImageOf(int image) {
    const bool isWithoutAlpha = image == 2 || image == 3 || image == 7;
    ImageData data = {WIDTHS[image],
                      HEIGHTS[image],
                      isWithoutAlpha ? GL_RGB : GL_RGBA,
                      static_cast<GLenum>(isWithoutAlpha ? GL_BGR_EXT : GL_BGRA_EXT),
                      {}};
    // 7: 6's texels kept without alpha; 8: the first rows of 0; 9: 0 again.
    const int texelImage = image == 7 ? 6 : (image == 8 || image == 9 ? 0 : image);
    for (int y = 0; y < data.height; ++y) {
        for (int x = 0; x < data.width; ++x) {
            GLubyte texel[4];
            Texel(texelImage, x, y, texel);
            data.bytes.insert(data.bytes.end(), texel, texel + (isWithoutAlpha ? 3 : 4));
        }
    }
    return data;
}

// A glyph's bits, rows bottom up, each row padded to whole bytes.
std::vector<GLubyte> GlyphBits(unsigned glyph, int width, int height) {
    const int rowBytes = (width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<std::size_t>(rowBytes * height));
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = Byte(Hash(glyph * 977 + static_cast<unsigned>(i)));
    return bits;
}

GLuint MakeFont(const GlCalls& gl, int glyphs, int height, bool isLarge) {
    const GLuint base = gl.glGenLists(glyphs);
    for (int c = 0; c < glyphs; ++c) {
        const int width = isLarge ? 16 : 5 + c % 4;
        const std::vector<GLubyte> bits = GlyphBits(static_cast<unsigned>(c + (isLarge ? 1000 : 0)), width, height);
        gl.glNewList(base + static_cast<GLuint>(c), GL_COMPILE);
        gl.glBitmap(width, height, 0.0f, 2.0f, static_cast<float>(width + 1), 0.0f, bits.data());
        gl.glEndList();
    }
    return base;
}

}  // namespace

int SceneAssets::Width(int image) { return WIDTHS[image]; }
int SceneAssets::Height(int image) { return HEIGHTS[image]; }

void SceneAssets::Create(const GlCalls& gl) {
    gl.glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    _names.assign(SLOTS, 0);
    gl.glGenTextures(SLOTS, _names.data());
    for (int image = 0; image < IMAGES; ++image) Upload(gl, image, image);
    _scratchImages = {0, 4};
    _isScratchChanged = true;
    Reset(gl);
    _smallFont = MakeFont(gl, 256, 9, false);
    _largeFont = MakeFont(gl, LARGE_GLYPHS, 250, true);
}

void SceneAssets::Reset(const GlCalls& gl) {
    if (!_isScratchChanged) return;
    _isScratchChanged = false;
    for (int slot = FIRST_SCRATCH; slot < SLOTS; ++slot) {
        Upload(gl, slot, _scratchImages[static_cast<std::size_t>(slot - FIRST_SCRATCH)]);
    }
}

// As the engine makes a texture: clamped, filtered linearly, one level.
void SceneAssets::Upload(const GlCalls& gl, int slot, int image) {
    _isScratchChanged = _isScratchChanged || slot >= FIRST_SCRATCH;
    const ImageData data = ImageOf(image);
    gl.glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.glBindTexture(GL_TEXTURE_2D, Texture(slot));
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.glTexImage2D(GL_TEXTURE_2D, 0, data.internalFormat, data.width, data.height, 0, data.format, GL_UNSIGNED_BYTE,
                    data.bytes.data());
}
