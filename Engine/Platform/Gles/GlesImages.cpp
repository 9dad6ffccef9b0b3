#include "GlesImages.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <new>
#include <utility>

#include "GlesFastPaths.h"

namespace {

constexpr GLenum BGR = 0x80E0;
constexpr GLenum BGRA = 0x80E1;
constexpr int BORDER = 1;
// A page is about as large as the game's sprites need (one shelf of 66 rows holds all five):
// ES drivers clear a new texture's memory, which for a page of 2048 x 2048 texels took longer
// than loading the level's sprites did.
constexpr int PAGE_WIDTH = 1024;
constexpr int PAGE_HEIGHT = 256;
constexpr int STRIP_ROWS = 16;

bool Fits(int width, int height) {
    GLint most = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    return width <= PAGE_WIDTH && height <= PAGE_HEIGHT && most >= PAGE_WIDTH;
}

GlesPixelLayout LayoutOf(const GlesUpload& upload) {
    const int bytes = GlesUpload::BytesPerPixel(upload.format);
    const bool isBgr = upload.format == BGR || upload.format == BGRA;
    return GlesPixelLayout(bytes, isBgr, bytes == 4 && upload.keptChannels == 4);
}

GLubyte BorderAlpha(const GlesUpload& upload) { return upload.IsOpaque() ? 255 : 0; }

void SetBorderAlpha(GLubyte alpha, bool isBorderRow, int width, GLubyte* texels) {
    const int step = isBorderRow ? 1 : width - 1;
    for (int column = 0; column < width; column += step) texels[column * 4 + 3] = alpha;
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

// A picture too big for a page has a texture of its own, filled a strip at a time: it is not
// kept, and so never shared. The converted texels of an image in a page are kept for telling
// the next uploads apart: no copy of the upload's own bytes is needed.
GLenum GlesImages::Acquire(const GlesUpload& upload, GlesProgram& program, GlesPlacement* placement) {
    const GlesPixelLayout layout = LayoutOf(upload);
    if (Image* twin = _Twin(upload, layout)) {
        ++twin->users;
        *placement = twin->placement;
        return GL_NO_ERROR;
    }
    Image made = {{}, nullptr, upload.width + 2 * BORDER, upload.height + 2 * BORDER, 1, nullptr};
    const bool isMade = Fits(made.width, made.height) ? _MakeInPage(upload, layout, program, &made)
                                                      : _MakeAlone(upload, layout, program, &made);
    if (!isMade) return GL_OUT_OF_MEMORY;
    *placement = made.placement;
    _images.push_back(std::move(made));
    return GL_NO_ERROR;
}

bool GlesImages::_MakeInPage(const GlesUpload& upload, const GlesPixelLayout& layout, GlesProgram& program,
                             Image* made) {
    made->texels = _Converted(upload, layout);
    if (made->texels != nullptr) made->placement = _PlaceInPage(made->width, made->height, program);
    if (made->placement.texture == 0) {
        std::free(made->texels);
        return false;
    }
    _Put(made->placement, 0, made->width, made->height, made->texels, program);
    if (upload.IsOpaque()) return true;  // no texel to cut away
    made->alpha.reset(new (std::nothrow) GlesAlphaMap(made->texels, made->width, made->height));
    made->placement.alpha = made->alpha.get();
    return true;
}

bool GlesImages::_MakeAlone(const GlesUpload& upload, const GlesPixelLayout& layout, GlesProgram& program,
                            Image* made) {
    made->placement = {_CreateTexture(made->width, made->height, program), 0, 0, made->width, made->height, false,
                       nullptr};
    if (made->placement.texture != 0 && _PutInStrips(upload, layout, made->placement, program)) return true;
    _Forget(made->placement, program);
    return false;
}

// The pixels as RGBA inside the border.
GLubyte* GlesImages::_Converted(const GlesUpload& upload, const GlesPixelLayout& layout) {
    const std::size_t outRow = static_cast<std::size_t>(upload.width + 2 * BORDER) * 4;
    auto* out = static_cast<GLubyte*>(std::calloc(outRow * static_cast<std::size_t>(upload.height + 2 * BORDER), 1));
    if (out != nullptr) _ConvertRows(upload, layout, 0, upload.height + 2 * BORDER, out);
    return out;
}

// Rows `first` to `first` + `count` - 1 of the bordered image into `texels`, whose border
// columns are black already.
void GlesImages::_ConvertRows(const GlesUpload& upload, const GlesPixelLayout& layout, int first, int count,
                              GLubyte* texels) {
    const int width = upload.width + 2 * BORDER;
    const std::size_t outRow = static_cast<std::size_t>(width) * 4;
    for (int row = first; row < first + count; ++row, texels += outRow) {
        const int pixelRow = row - BORDER;
        const bool isBorderRow = upload.pixels == nullptr || pixelRow < 0 || pixelRow >= upload.height;
        if (isBorderRow) {
            std::memset(texels, 0, outRow);
        } else {
            layout.ConvertRow(upload.pixels + static_cast<std::size_t>(pixelRow) * upload.RowBytes(),
                              texels + BORDER * 4, upload.width);
        }
        SetBorderAlpha(BorderAlpha(upload), isBorderRow, width, texels);
    }
}

// Through a buffer of a few rows that stays in the cache: no copy of the whole picture is made.
bool GlesImages::_PutInStrips(const GlesUpload& upload, const GlesPixelLayout& layout,
                              const GlesPlacement& placement, GlesProgram& program) {
    const int width = placement.textureWidth;
    const int height = placement.textureHeight;
    auto* strip = static_cast<GLubyte*>(std::calloc(static_cast<std::size_t>(width) * 4 * STRIP_ROWS, 1));
    if (strip == nullptr) return false;
    for (int first = 0; first < height; first += STRIP_ROWS) {
        const int count = std::min(STRIP_ROWS, height - first);
        _ConvertRows(upload, layout, first, count, strip);
        _Put(placement, first, width, count, strip, program);
    }
    std::free(strip);
    return true;
}

void GlesImages::_Put(const GlesPlacement& placement, int firstRow, int width, int rows, const GLubyte* texels,
                      GlesProgram& program) {
    program.BindImage(placement.texture);
    GLint alignment = 4;
    ::glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    ::glTexSubImage2D(GL_TEXTURE_2D, 0, placement.x, placement.y + firstRow, width, rows, GL_RGBA, GL_UNSIGNED_BYTE,
                      texels);
    ::glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

// The image whose texels the pixels would convert to, told without converting them: a twin
// (each mine's strip) costs no copy, and another image is left at its first different texel.
// An upload without pixels is given an image of its own, as is a picture too big for a page.
GlesImages::Image* GlesImages::_Twin(const GlesUpload& upload, const GlesPixelLayout& layout) {
    if (upload.pixels == nullptr || !GlesFastPaths::IsOn(GlesFastPaths::TWINS)) return nullptr;
    for (Image& image : _images) {
        if (image.texels != nullptr && image.width == upload.width + 2 * BORDER &&
            image.height == upload.height + 2 * BORDER && _IsImageOf(image, upload, layout)) {
            return &image;
        }
    }
    return nullptr;
}

bool GlesImages::_IsImageOf(const Image& image, const GlesUpload& upload, const GlesPixelLayout& layout) {
    if (image.texels[3] != BorderAlpha(upload)) return false;
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

GlesPlacement GlesImages::_PlaceInPage(int width, int height, GlesProgram& program) {
    int x = 0;
    int y = 0;
    for (Page& page : _pages) {
        if (page.shelves.Place(width, height, &x, &y)) {
            return GlesPlacement{page.texture, x, y, PAGE_WIDTH, PAGE_HEIGHT, true, nullptr};
        }
    }
    const GLuint texture = _CreateTexture(PAGE_WIDTH, PAGE_HEIGHT, program);
    if (texture == 0) return GlesPlacement{};
    _pages.push_back(Page{texture, GlesShelves(PAGE_WIDTH, PAGE_HEIGHT)});
    _pages.back().shelves.Place(width, height, &x, &y);
    return GlesPlacement{texture, x, y, PAGE_WIDTH, PAGE_HEIGHT, true, nullptr};
}

// Its texels are undefined until images are put in; only those are ever sampled. None where ES
// has no memory for it.
GLuint GlesImages::_CreateTexture(int width, int height, GlesProgram& program) {
    GLuint texture = 0;
    ::glGenTextures(1, &texture);
    program.BindImage(texture);
    for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) ::glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        ::glTexParameteri(GL_TEXTURE_2D, filter, GL_LINEAR);
    }
    ::glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    if (::glGetError() != GL_OUT_OF_MEMORY) return texture;
    program.ForgetImage(texture);
    ::glDeleteTextures(1, &texture);
    return 0;
}

void GlesImages::Release(const GlesPlacement& placement, GlesProgram& program) {
    for (std::size_t i = 0; i < _images.size(); ++i) {
        Image& held = _images[i];
        const GlesPlacement& at = held.placement;
        if (at.texture != placement.texture || at.x != placement.x || at.y != placement.y) continue;
        if (--held.users > 0) return;
        _Forget(at, program);
        std::free(held.texels);
        _images.erase(_images.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}

// A texture of its own is deleted; room in a page stays taken.
void GlesImages::_Forget(const GlesPlacement& placement, GlesProgram& program) {
    if (placement.isInPage || placement.texture == 0) return;
    program.ForgetImage(placement.texture);
    ::glDeleteTextures(1, &placement.texture);
}
