#pragma once
// The ES images behind OpenGL 1.1's textures. Textures whose uploads come out byte for byte
// the same share one image, so that drawing one after the other changes no state (a hundred
// mines of one strip draw as one batch); a texture given a new upload leaves the image it
// shared to the others (copy on write), and an image nobody uses any more is deleted.
#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "GlesProgram.h"

class GlesImages {
public:
    // The image of `bytes` (RGBA, `width` x `height`), which it takes over: one held with the
    // same bytes, or a new one.
    GLuint Acquire(GLubyte* bytes, std::size_t count, int width, int height, GlesProgram& program);
    void Release(GLuint image, GlesProgram& program);

private:
    struct Image {
        GLuint name;
        std::uint64_t hash;
        GLubyte* bytes;  // from malloc, for telling images of one hash apart
        std::size_t count;
        int users;
    };

    GLuint _Create(GLubyte* bytes, int width, int height, GlesProgram& program);

    std::vector<Image> _images;
};
