#include "GlesImages.h"

#include <cstdlib>
#include <initializer_list>

namespace {

constexpr GLenum BGR = 0x80E0;
constexpr GLenum BGRA = 0x80E1;
constexpr int BORDER = 1;
// A page is as large as the sprites of a level need: ES drivers clear a new texture's memory,
// which for a page of 2048 texels took longer than the level's sprites did.
constexpr int PAGE_TEXELS = 1024;

bool Fits(int width, int height) {
    GLint most = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    return width <= PAGE_TEXELS && height <= PAGE_TEXELS && most >= PAGE_TEXELS;
}

GlesPixelLayout LayoutOf(const GlesUpload& upload) {
    const int bytes = GlesUpload::BytesPerPixel(upload.format);
    return GlesPixelLayout(bytes, upload.format == BGR || upload.format == BGRA, bytes == 4 && upload.keptChannels == 4);
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
    const GlesPixelLayout layout = LayoutOf(upload);
    if (Image* twin = _Twin(upload, layout)) {
        ++twin->users;
        *placement = twin->placement;
        return GL_NO_ERROR;
    }
    Image made = {{}, _Converted(upload, layout), upload.width + 2 * BORDER, upload.height + 2 * BORDER, 1};
    if (made.texels == nullptr) return GL_OUT_OF_MEMORY;
    made.placement = _Place(made.width, made.height, program);
    program.BindImage(made.placement.texture);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, made.placement.x, made.placement.y, made.width, made.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, made.texels);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    _images.push_back(made);
    *placement = made.placement;
    return GL_NO_ERROR;
}

// The pixels as RGBA inside the border.
GLubyte* GlesImages::_Converted(const GlesUpload& upload, const GlesPixelLayout& layout) {
    const std::size_t outRow = static_cast<std::size_t>(upload.width + 2 * BORDER) * 4;
    auto* out = static_cast<GLubyte*>(std::calloc(outRow * static_cast<std::size_t>(upload.height + 2 * BORDER), 1));
    if (out == nullptr || upload.pixels == nullptr) return out;
    const std::size_t inRow = upload.RowBytes();
    for (int row = 0; row < upload.height; ++row) {
        layout.ConvertRow(upload.pixels + static_cast<std::size_t>(row) * inRow,
                          out + static_cast<std::size_t>(row + BORDER) * outRow + BORDER * 4, upload.width);
    }
    return out;
}

// The image whose texels the pixels would convert to, told without converting them: a twin
// (each mine's strip) costs no copy, and another image is left at its first different texel.
// An upload without pixels is given an image of its own.
GlesImages::Image* GlesImages::_Twin(const GlesUpload& upload, const GlesPixelLayout& layout) {
    if (upload.pixels == nullptr) return nullptr;
    for (Image& image : _images) {
        if (image.width == upload.width + 2 * BORDER && image.height == upload.height + 2 * BORDER &&
            _IsImageOf(image, upload, layout)) {
            return &image;
        }
    }
    return nullptr;
}

bool GlesImages::_IsImageOf(const Image& image, const GlesUpload& upload, const GlesPixelLayout& layout) {
    const std::size_t inRow = upload.RowBytes();
    const std::size_t outRow = static_cast<std::size_t>(image.width) * 4;
    for (int row = 0; row < upload.height; ++row) {
        if (!layout.IsRowOf(upload.pixels + static_cast<std::size_t>(row) * inRow,
                            image.texels + static_cast<std::size_t>(row + BORDER) * outRow + BORDER * 4,
                            upload.width)) {
            return false;
        }
    }
    return true;
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
