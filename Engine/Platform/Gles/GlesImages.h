#pragma once
// The ES images behind OpenGL 1.1's textures. Textures whose uploads come out byte for byte
// the same share one image, and small images share a few large ES textures (pages), so that
// drawing one sprite after another changes no ES state: a crowd of babies with their hearts,
// and a hundred mines of one strip, draw as one batch. A texture given a new upload leaves
// the image it shared to the others (copy on write); an image nobody uses any more is
// forgotten, and its own ES texture deleted (its room in a page stays taken).
#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "GlesProgram.h"
#include "GlesShelves.h"

struct GlesPlacement {
    GLuint texture;  // 0: none
    int x, y;        // of the image in the texture
    int textureWidth, textureHeight;
    bool isInPage;
};

class GlesImages {
public:
    // Where the image of `bytes` (RGBA, `width` x `height`, which it takes over) lies: with
    // an image of the same bytes, or in a page, or in a texture of its own.
    GlesPlacement Acquire(GLubyte* bytes, std::size_t count, int width, int height, GlesProgram& program);
    void Release(const GlesPlacement& placement, GlesProgram& program);

private:
    struct Image {
        GlesPlacement placement;
        std::uint64_t hash;
        GLubyte* bytes;  // from malloc, for telling images of one hash apart
        std::size_t count;
        int users;
    };
    struct Page {
        GLuint texture;
        GlesShelves shelves;
    };

    GlesPlacement _Place(int width, int height, GlesProgram& program);
    static GLuint _CreateTexture(int width, int height, GlesProgram& program);

    std::vector<Image> _images;
    std::vector<Page> _pages;
};
