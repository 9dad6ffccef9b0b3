#include "GlesTextures.h"

#include <initializer_list>

namespace {

constexpr GLenum GL11_CLAMP = 0x2900;
constexpr GLint RGB8 = 0x8051;
constexpr GLint RGBA8 = 0x8058;
constexpr int BORDER = 1;

// What the internal format keeps: 3 for colour alone, 4 for colour and alpha, 0 for
// formats the subset does not keep.
int KeptChannels(GLint internalFormat) {
    if (internalFormat == 3 || internalFormat == GL_RGB || internalFormat == RGB8) return 3;
    if (internalFormat == 4 || internalFormat == GL_RGBA || internalFormat == RGBA8) return 4;
    return 0;
}

bool IsWrap(GLint value) { return value == GL11_CLAMP || value == GL_CLAMP_TO_EDGE || value == GL_REPEAT; }

bool IsFilter(GLint value) {
    return value == GL_NEAREST || value == GL_LINEAR || value == GL_NEAREST_MIPMAP_NEAREST ||
           value == GL_LINEAR_MIPMAP_NEAREST || value == GL_NEAREST_MIPMAP_LINEAR || value == GL_LINEAR_MIPMAP_LINEAR;
}

}  // namespace

// OpenGL 1.1's defaults: repeated, minified through mipmaps (so incomplete until that changes).
const GlesTextures::Texture GlesTextures::NEW_TEXTURE = {
    {0, 0, 0, 0, 0, false, nullptr}, 0, 0, false, GL_REPEAT, GL_REPEAT, GL_NEAREST_MIPMAP_LINEAR, GL_LINEAR};

GlesTextures::GlesTextures() : _textures(1, NEW_TEXTURE), _bound(0) {}

void GlesTextures::Generate(GLsizei count, GLuint* names) {
    for (GLsizei i = 0; i < count; ++i) {
        names[i] = static_cast<GLuint>(_textures.size());
        _textures.push_back(NEW_TEXTURE);
    }
}

// Binding a name never generated makes it, as in OpenGL 1.1.
void GlesTextures::Bind(GLuint name) {
    if (name >= _textures.size()) _textures.resize(static_cast<std::size_t>(name) + 1, NEW_TEXTURE);
    _bound = name;
}

GLenum GlesTextures::SetParameter(GLenum name, GLint value) {
    Texture& texture = _Bound();
    const bool isWrap = name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T;
    if (isWrap && !IsWrap(value)) return GL_INVALID_ENUM;
    if (!isWrap && !IsFilter(value)) return GL_INVALID_ENUM;
    if (name == GL_TEXTURE_MAG_FILTER && value != GL_NEAREST && value != GL_LINEAR) return GL_INVALID_ENUM;
    switch (name) {
        case GL_TEXTURE_WRAP_S: texture.wrapS = static_cast<GLenum>(value); return GL_NO_ERROR;
        case GL_TEXTURE_WRAP_T: texture.wrapT = static_cast<GLenum>(value); return GL_NO_ERROR;
        case GL_TEXTURE_MIN_FILTER: texture.minFilter = static_cast<GLenum>(value); return GL_NO_ERROR;
        case GL_TEXTURE_MAG_FILTER: texture.magFilter = static_cast<GLenum>(value); return GL_NO_ERROR;
        default: return GL_INVALID_ENUM;
    }
}

// A picture too big for memory is GL_OUT_OF_MEMORY, as desktop OpenGL answers it, and the
// texture keeps its old image.
GLenum GlesTextures::Upload(GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                            const GLvoid* pixels, int unpackAlignment, GlesProgram& program) {
    const int keptChannels = KeptChannels(internalFormat);
    if (keptChannels == 0) return GL_INVALID_VALUE;
    if (GlesUpload::BytesPerPixel(format) == 0 || type != GL_UNSIGNED_BYTE) return GL_INVALID_ENUM;
    GLint most = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    if (width < 0 || height < 0 || width > most - 2 * BORDER || height > most - 2 * BORDER) return GL_INVALID_VALUE;
    const GlesUpload upload = {static_cast<const GLubyte*>(pixels), width, height, format, keptChannels,
                               unpackAlignment};
    GlesPlacement image = {};
    const GLenum error = _images.Acquire(upload, program, &image);
    if (error != GL_NO_ERROR) return error;
    Texture& texture = _Bound();
    if (texture.image.texture != 0) _images.Release(texture.image, program);
    texture.image = image;
    texture.width = width;
    texture.height = height;
    texture.isOpaque = upload.IsOpaque();
    return GL_NO_ERROR;
}

bool GlesTextures::AreFiltersAlike() const {
    const Texture& texture = _textures[_bound];
    return texture.minFilter == texture.magFilter || (texture.width == 1 && texture.height == 1);
}

// Where the two filters differ the magnifying one is taken (see AreFiltersAlike).
bool GlesTextures::Sampling(GlesSampling* sampling) const {
    const Texture& texture = _textures[_bound];
    if (texture.image.texture == 0 || texture.width == 0 || texture.height == 0) return false;
    const bool isSingleTexel = texture.width == 1 && texture.height == 1;
    if (texture.minFilter != GL_NEAREST && texture.minFilter != GL_LINEAR && !isSingleTexel) return false;
    const GlesPlacement& image = texture.image;
    const auto f = [](int value) { return static_cast<float>(value); };
    *sampling = GlesSampling{image.texture,      f(texture.width),        f(texture.height),
                             f(BORDER),          f(image.x),              f(image.y),
                             f(image.textureWidth), f(image.textureHeight), texture.wrapS,
                             texture.wrapT,      texture.magFilter == GL_NEAREST,
                             texture.isOpaque,   image.alpha};
    return true;
}
