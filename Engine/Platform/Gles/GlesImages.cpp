#include "GlesImages.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

constexpr GLenum BGR = 0x80E0;
constexpr GLenum BGRA = 0x80E1;
constexpr int BORDER = 1;
constexpr int PAGE_TEXELS = 2048;
constexpr int LARGEST_IN_PAGE = PAGE_TEXELS / 2;  // larger ones (the level picture) have a texture each

// FNV-1a over eight bytes at a time (the level picture is megabytes); images of one hash are
// told apart byte by byte all the same.
std::uint64_t HashOf(const GLubyte* bytes, std::size_t count) {  // count 0: bytes may be null
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

// OpenGL 1.1 gives the border colour the texture's format: without alpha, it is opaque black.
void MakeBorderOpaque(GLubyte* out, int width, int height) {
    for (int row = 0; row < height; ++row) {
        const int step = row == 0 || row == height - 1 ? 1 : width - 1;
        for (int column = 0; column < width; column += step) out[(row * width + column) * 4 + 3] = 255;
    }
}

}  // namespace

int GlesUpload::BytesPerPixel(GLenum format) {
    if (format == GL_RGB || format == BGR) return 3;
    return format == GL_RGBA || format == BGRA ? 4 : 0;
}

std::size_t GlesUpload::RowBytes() const {
    const auto alignment = static_cast<std::size_t>(unpackAlignment);
    const std::size_t row = static_cast<std::size_t>(width) * static_cast<std::size_t>(BytesPerPixel(format));
    return (row + alignment - 1) / alignment * alignment;
}

std::size_t GlesUpload::Bytes() const {
    return pixels == nullptr ? 0 : RowBytes() * static_cast<std::size_t>(height);
}

bool GlesUpload::IsLike(const GlesUpload& other) const {
    return width == other.width && height == other.height && format == other.format &&
           keptChannels == other.keptChannels && unpackAlignment == other.unpackAlignment &&
           (pixels == nullptr) == (other.pixels == nullptr);
}

GLenum GlesImages::Acquire(const GlesUpload& upload, GlesProgram& program, GlesPlacement* placement) {
    const std::size_t count = upload.Bytes();
    const std::uint64_t hash = HashOf(upload.pixels, count);
    for (Image& image : _images) {
        if (image.hash != hash || !image.upload.IsLike(upload)) continue;
        if (count > 0 && std::memcmp(image.upload.pixels, upload.pixels, count) != 0) continue;
        ++image.users;
        *placement = image.placement;
        return GL_NO_ERROR;
    }
    auto* kept = static_cast<GLubyte*>(std::malloc(count > 0 ? count : 1));
    GLubyte* converted = _Converted(upload);
    if (kept == nullptr || converted == nullptr) {
        std::free(kept);
        std::free(converted);
        return GL_OUT_OF_MEMORY;
    }
    if (count > 0) std::memcpy(kept, upload.pixels, count);
    const int width = upload.width + 2 * BORDER;
    const int height = upload.height + 2 * BORDER;
    *placement = _Place(width, height, program);
    program.BindImage(placement->texture);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, placement->x, placement->y, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                      converted);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    std::free(converted);
    GlesUpload copy = upload;
    copy.pixels = count > 0 ? kept : nullptr;
    if (count == 0) std::free(kept);
    _images.push_back(Image{*placement, copy, hash, 1});
    return GL_NO_ERROR;
}

// The pixels as RGBA inside the border; alpha is opaque where the data or the internal format
// has none.
GLubyte* GlesImages::_Converted(const GlesUpload& upload) {
    const int width = upload.width;
    const std::size_t outRow = static_cast<std::size_t>(width + 2 * BORDER) * 4;
    auto* out = static_cast<GLubyte*>(std::calloc(outRow * static_cast<std::size_t>(upload.height + 2 * BORDER), 1));
    if (out == nullptr) return out;
    if (upload.keptChannels == 3) MakeBorderOpaque(out, width + 2 * BORDER, upload.height + 2 * BORDER);
    if (upload.pixels == nullptr) return out;
    const int bytes = GlesUpload::BytesPerPixel(upload.format);
    const std::size_t inRow = upload.RowBytes();
    const bool isBgr = upload.format == BGR || upload.format == BGRA;
    const bool keepsAlpha = bytes == 4 && upload.keptChannels == 4;
    for (int row = 0; row < upload.height; ++row) {
        const GLubyte* from = upload.pixels + static_cast<std::size_t>(row) * inRow;
        GLubyte* to = out + static_cast<std::size_t>(row + BORDER) * outRow + BORDER * 4;
        for (int column = 0; column < width; ++column, from += bytes, to += 4) {
            to[0] = from[isBgr ? 2 : 0];
            to[1] = from[1];
            to[2] = from[isBgr ? 0 : 2];
            to[3] = keepsAlpha ? from[3] : 255;
        }
    }
    return out;
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
        std::free(const_cast<GLubyte*>(held.upload.pixels));
        _images.erase(_images.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}
