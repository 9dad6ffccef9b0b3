#include "GlesImages.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

// FNV-1a over eight bytes at a time (the level picture is megabytes); images of one hash are
// told apart byte by byte all the same.
std::uint64_t HashOf(const GLubyte* bytes, std::size_t count) {
    std::uint64_t hash = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + i, 8);
        hash = (hash ^ word) * 1099511628211ull;
    }
    for (; i < count; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

}  // namespace

GLuint GlesImages::Acquire(GLubyte* bytes, std::size_t count, int width, int height, GlesProgram& program) {
    const std::uint64_t hash = HashOf(bytes, count);
    for (Image& image : _images) {
        if (image.hash != hash || image.count != count || std::memcmp(image.bytes, bytes, count) != 0) continue;
        std::free(bytes);
        ++image.users;
        return image.name;
    }
    const GLuint name = _Create(bytes, width, height, program);
    _images.push_back(Image{name, hash, bytes, count, 1});
    return name;
}

GLuint GlesImages::_Create(GLubyte* bytes, int width, int height, GlesProgram& program) {
    GLuint name = 0;
    ::glGenTextures(1, &name);
    program.BindImage(name);
    for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        ::glTexParameteri(GL_TEXTURE_2D, filter, GL_LINEAR);
    }
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return name;
}

void GlesImages::Release(GLuint image, GlesProgram& program) {
    for (std::size_t i = 0; i < _images.size(); ++i) {
        Image& held = _images[i];
        if (held.name != image || --held.users > 0) continue;
        program.ForgetImage(held.name);
        ::glDeleteTextures(1, &held.name);
        std::free(held.bytes);
        _images.erase(_images.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}
