#pragma once
// The ES images behind OpenGL 1.1's textures, each kept as RGBA inside a one-texel border of
// black, transparent where the image keeps alpha. Small images share a few ES textures
// (pages), so that drawing one sprite after another changes no ES state: a crowd of babies
// with their hearts, and a hundred mines of one strip, draw as one batch; uploads to a page
// that come out as the same texels, border included, share one image. A picture too big for a
// page has an ES texture of its own. A texture given a new upload leaves the image it shared
// to the others (copy on write); an image nobody uses any more is forgotten, and its own ES
// texture deleted (its room in a page stays taken).
#include <GLES2/gl2.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "GlesAlphaMap.h"
#include "GlesPixelLayout.h"
#include "GlesProgram.h"
#include "GlesShelves.h"

// An upload as glTexImage2D received it, in one of the formats the subset takes.
struct GlesUpload {
    const GLubyte* pixels;  // none: transparent black
    int width, height;
    GLenum format;          // GL_RGB, GL_RGBA, GL_BGR_EXT or GL_BGRA_EXT
    int keptChannels;       // 3 when the internal format drops alpha, else 4
    int unpackAlignment;
    static int BytesPerPixel(GLenum format);  // 0 for a format not taken
    std::size_t RowBytes() const;             // padded to the alignment
    // No alpha kept: every texel is opaque, and so is the border, as OpenGL 1.1 gives the
    // border colour the texture's format.
    bool IsOpaque() const { return keptChannels == 3; }
};

struct GlesPlacement {
    GLuint texture;  // 0: none
    int x, y;        // of the image in the texture
    int textureWidth, textureHeight;
    bool isInPage;
    const GlesAlphaMap* alpha;  // none for an opaque image or a picture with a texture of its own
};

class GlesImages {
public:
    // Where the image of an upload lies: with an image of the same texels, or in a page, or in
    // a texture of its own. Its texels are allocated without throwing: an image too big for
    // memory is GL_OUT_OF_MEMORY.
    GLenum Acquire(const GlesUpload& upload, GlesProgram& program, GlesPlacement* placement);
    void Release(const GlesPlacement& placement, GlesProgram& program);

private:
    struct Image {
        GlesPlacement placement;
        GLubyte* texels;    // as ES has them, border included, from malloc: what twins are told by;
                            // none for a picture too big for a page
        int width, height;  // border included
        int users;
        std::unique_ptr<const GlesAlphaMap> alpha;  // none for an opaque image, or where memory ran out
    };
    struct Page {
        GLuint texture;
        GlesShelves shelves;
    };

    bool _MakeInPage(const GlesUpload& upload, const GlesPixelLayout& layout, GlesProgram& program, Image* made);
    static bool _MakeAlone(const GlesUpload& upload, const GlesPixelLayout& layout, GlesProgram& program,
                           Image* made);
    static GLubyte* _Converted(const GlesUpload& upload, const GlesPixelLayout& layout);
    static void _ConvertRows(const GlesUpload& upload, const GlesPixelLayout& layout, int first, int count,
                             GLubyte* texels);
    static bool _PutInStrips(const GlesUpload& upload, const GlesPixelLayout& layout, const GlesPlacement& placement,
                             GlesProgram& program);
    static void _Put(const GlesPlacement& placement, int firstRow, int width, int rows, const GLubyte* texels,
                     GlesProgram& program);
    Image* _Twin(const GlesUpload& upload, const GlesPixelLayout& layout);
    static bool _IsImageOf(const Image& image, const GlesUpload& upload, const GlesPixelLayout& layout);
    GlesPlacement _PlaceInPage(int width, int height, GlesProgram& program);
    static GLuint _CreateTexture(int width, int height, GlesProgram& program);
    static void _Forget(const GlesPlacement& placement, GlesProgram& program);

    std::vector<Image> _images;
    std::vector<Page> _pages;
};
