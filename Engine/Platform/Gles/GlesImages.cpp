#include "GlesImages.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

constexpr int PAGE_TEXELS = 2048;
constexpr int LARGEST_IN_PAGE = PAGE_TEXELS / 2;  // larger ones (the level picture) have a texture each

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

bool Fits(int width, int height) {
    GLint most = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    return width <= LARGEST_IN_PAGE && height <= LARGEST_IN_PAGE && most >= PAGE_TEXELS;
}

}  // namespace

GlesPlacement GlesImages::Acquire(GLubyte* bytes, std::size_t count, int width, int height, GlesProgram& program) {
    const std::uint64_t hash = HashOf(bytes, count);
    for (Image& image : _images) {
        if (image.hash != hash || image.count != count || std::memcmp(image.bytes, bytes, count) != 0) continue;
        std::free(bytes);
        ++image.users;
        return image.placement;
    }
    const GlesPlacement placement = _Place(width, height, program);
    program.BindImage(placement.texture);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, placement.x, placement.y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bytes);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    _images.push_back(Image{placement, hash, bytes, count, 1});
    return placement;
}

GlesPlacement GlesImages::_Place(int width, int height, GlesProgram& program) {
    if (!Fits(width, height)) return GlesPlacement{_CreateTexture(width, height, program), 0, 0, width, height, false};
    int x = 0;
    int y = 0;
    for (Page& page : _pages) {
        if (page.shelves.Place(width, height, &x, &y)) {
            return GlesPlacement{page.texture, x, y, PAGE_TEXELS, PAGE_TEXELS, true};
        }
    }
    _pages.push_back(Page{_CreateTexture(PAGE_TEXELS, PAGE_TEXELS, program), GlesShelves(PAGE_TEXELS)});
    _pages.back().shelves.Place(width, height, &x, &y);
    return GlesPlacement{_pages.back().texture, x, y, PAGE_TEXELS, PAGE_TEXELS, true};
}

// Its texels are undefined until images are put in; only those are ever sampled.
GLuint GlesImages::_CreateTexture(int width, int height, GlesProgram& program) {
    GLuint texture = 0;
    ::glGenTextures(1, &texture);
    program.BindImage(texture);
    for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        ::glTexParameteri(GL_TEXTURE_2D, filter, GL_LINEAR);
    }
    ::glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    return texture;
}

void GlesImages::Release(const GlesPlacement& placement, GlesProgram& program) {
    for (std::size_t i = 0; i < _images.size(); ++i) {
        Image& held = _images[i];
        const GlesPlacement& at = held.placement;
        if (at.texture != placement.texture || at.x != placement.x || at.y != placement.y) continue;
        if (--held.users > 0) return;
        if (!at.isInPage) {
            program.ForgetImage(at.texture);
            ::glDeleteTextures(1, &at.texture);
        }
        std::free(held.bytes);
        _images.erase(_images.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}
