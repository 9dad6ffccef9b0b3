#pragma once
// OpenGL 1.1's texture objects: names, the bound one, wrap modes and filters, and images
// uploaded in any of the formats the engine uses, kept in ES as RGBA with a border of
// transparent black (see GlesSampling), shared where they are alike (GlesImages). A texture
// is complete, and so used when texturing is on, once it has an image and its minifying
// filter needs no mipmaps it lacks.
#include <GLES2/gl2.h>

#include <vector>

#include "GlesImages.h"
#include "GlesProgram.h"

class GlesTextures {
public:
    GlesTextures();
    void Generate(GLsizei count, GLuint* names);
    void Bind(GLuint name);
    GLuint Bound() const { return _bound; }
    GLenum SetParameter(GLenum name, GLint value);  // an OpenGL error, or GL_NO_ERROR
    GLenum Upload(GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  const GLvoid* pixels, int unpackAlignment, GlesProgram& program);
    // How the bound texture is sampled; false when it is incomplete.
    bool Sampling(GlesSampling* sampling) const;
    // Whether the bound texture is filtered alike when magnified and minified (where it has
    // more than one texel): the subset filters with the magnifying filter alone.
    bool AreFiltersAlike() const;

private:
    struct Texture {
        GlesPlacement image;  // no texture until the first upload
        int width, height;
        bool isOpaque;  // kept without alpha
        GLenum wrapS, wrapT;
        GLenum minFilter, magFilter;
    };

    static const Texture NEW_TEXTURE;

    Texture& _Bound() { return _textures[_bound]; }

    std::vector<Texture> _textures;  // by name; 0 is the default texture
    GLuint _bound;
    GlesImages _images;
};
