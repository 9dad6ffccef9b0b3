#include "GlesImages.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

constexpr GLenum BGR = 0x80E0;
constexpr GLenum BGRA = 0x80E1;
constexpr int BORDER = 1;
// A page is as large as the sprites of a level need: ES drivers clear a new texture's memory,
// which for a page of 2048 texels took longer than the level's sprites did.
constexpr int PAGE_TEXELS = 1024;

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

std::size_t TexelBytes(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
}

bool Fits(int width, int height) {
    GLint most = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    return width <= PAGE_TEXELS && height <= PAGE_TEXELS && most >= PAGE_TEXELS;
}

// One row of pixels as RGBA, the layout fixed at compile time so that each texel is one store.
template <int BYTES, bool IS_BGR, bool KEEPS_ALPHA>
void ConvertRow(const GLubyte* from, GLubyte* to, int width) {
    for (int column = 0; column < width; ++column, from += BYTES, to += 4) {
        to[0] = from[IS_BGR ? 2 : 0];
        to[1] = from[1];
        to[2] = from[IS_BGR ? 0 : 2];
        to[3] = KEEPS_ALPHA ? from[3] : 255;
    }
}

using RowConverter = void (*)(const GLubyte*, GLubyte*, int);

// Alpha is opaque where the data or the internal format has none.
RowConverter RowConverterFor(const GlesUpload& upload) {
    const bool isBgr = upload.format == BGR || upload.format == BGRA;
    if (GlesUpload::BytesPerPixel(upload.format) == 3) {
        return isBgr ? ConvertRow<3, true, false> : ConvertRow<3, false, false>;
    }
    if (upload.keptChannels != 4) return isBgr ? ConvertRow<4, true, false> : ConvertRow<4, false, false>;
    return isBgr ? ConvertRow<4, true, true> : ConvertRow<4, false, true>;
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

// The converted texels are kept for telling the next uploads apart: no copy of the upload's
// own bytes is needed.
GLenum GlesImages::Acquire(const GlesUpload& upload, GlesProgram& program, GlesPlacement* placement) {
    Image wanted = {{}, _Converted(upload), upload.width + 2 * BORDER, upload.height + 2 * BORDER, 0, false, 1};
    if (wanted.texels == nullptr) return GL_OUT_OF_MEMORY;
    if (Image* twin = _Twin(wanted)) {
        std::free(wanted.texels);
        ++twin->users;
        *placement = twin->placement;
        return GL_NO_ERROR;
    }
    wanted.placement = _Place(wanted.width, wanted.height, program);
    program.BindImage(wanted.placement.texture);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, wanted.placement.x, wanted.placement.y, wanted.width, wanted.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, wanted.texels);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    _images.push_back(wanted);
    *placement = wanted.placement;
    return GL_NO_ERROR;
}

// The pixels as RGBA inside the border.
GLubyte* GlesImages::_Converted(const GlesUpload& upload) {
    const std::size_t outRow = static_cast<std::size_t>(upload.width + 2 * BORDER) * 4;
    auto* out = static_cast<GLubyte*>(std::calloc(outRow * static_cast<std::size_t>(upload.height + 2 * BORDER), 1));
    if (out == nullptr || upload.pixels == nullptr) return out;
    const RowConverter convertRow = RowConverterFor(upload);
    const std::size_t inRow = upload.RowBytes();
    for (int row = 0; row < upload.height; ++row) {
        convertRow(upload.pixels + static_cast<std::size_t>(row) * inRow,
                   out + static_cast<std::size_t>(row + BORDER) * outRow + BORDER * 4, upload.width);
    }
    return out;
}

std::uint64_t GlesImages::_HashOf(Image& image) {
    if (!image.isHashed) {
        image.hash = HashOf(image.texels, TexelBytes(image.width, image.height));
        image.isHashed = true;
    }
    return image.hash;
}

// The image that already has these texels. Only images of one size are hashed and compared,
// so a picture of a size no other has (the level's) is never read again.
GlesImages::Image* GlesImages::_Twin(Image& wanted) {
    for (Image& image : _images) {
        if (image.width != wanted.width || image.height != wanted.height || _HashOf(image) != _HashOf(wanted)) {
            continue;
        }
        if (std::memcmp(image.texels, wanted.texels, TexelBytes(wanted.width, wanted.height)) == 0) return &image;
    }
    return nullptr;
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
        std::free(held.texels);
        _images.erase(_images.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}
