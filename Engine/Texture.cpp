#include "Texture.h"

#include "AssertionFailure.h"
#include "Image.h"
#include "Platform/OpenGL.h"

namespace {

// Each call clears one flag; OpenGL 1.1 has six kinds of error. The bound keeps a context
// that answers an error on every call from holding the loop.
void ClearErrorFlags() {
    constexpr int ERROR_KINDS = 6;
    for (int flag = 0; flag < ERROR_KINDS && glGetError() != GL_NO_ERROR; ++flag) continue;
}

}  // namespace

Texture::Texture(const Image& image)
    : _width(image._width),
      _height(image._height),
      _bitsPerPixel(image._bitsPerPixel),
      _glInternalFormat(image._glInternalFormat),
      _textureName(0) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // Image rows are tightly packed
    glGenTextures(1, &_textureName);
    // Bound directly, not through the renderer's cache of the bound texture.
    glBindTexture(GL_TEXTURE_2D, _textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The check after the upload reads only the upload's own error: a flag left by an earlier
    // call (Wine's 32-bit wglUseFontBitmapsA leaves GL_OUT_OF_MEMORY) is not the file's failure.
    ClearErrorFlags();
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(_glInternalFormat), _width, _height, 0, image._glPixelFormat,
                 GL_UNSIGNED_BYTE, image._pixels);
    // The driver's copy is as large as the file's pixel block.
    ASSERT_ALL_BUILDS(glGetError() != GL_OUT_OF_MEMORY,
                      "Texture : cannot allocate %u bytes for the texture of %s\n",
                      static_cast<unsigned>(std::uint32_t{_width} * _height * (_bitsPerPixel / 8u)),
                      image._fileName.c_str());
}
