#pragma once
// What the subset draws and how: vertices already transformed to clip coordinates, the way a
// texture takes part, how an image is sampled, and the state that decides a batch's pixels.
#include <GLES2/gl2.h>

class GlesAlphaMap;

struct GlesVertex {
    float x, y, z, w;
    float s, t;
    float red, green, blue, alpha;
};

// WHITE_MODULATE is MODULATE where every colour is white, which leaves the texel as it is: a
// batch is drawn so, for a program that skips the colour.
enum class GlesTexturing { NONE = 0, MODULATE = 1, MODULATE_WRAPPED = 2, BITMAP_MASK = 3, WHITE_MODULATE = 4 };

// An image as OpenGL 1.1 samples it. Images are stored with a border of `border` texels of
// black (transparent where the image keeps alpha) around their `width` x `height` texels, at
// (x, y) of an ES texture (`image`) that may hold other images too, and ES samples them
// linearly: mapping OpenGL 1.1's coordinates into the bordered image gives GL_CLAMP's blend
// of the border into the outer half texel from the hardware's own filter, and the border
// keeps the filter from reaching any neighbour. Nearest filtering takes texel centres.
struct GlesSampling {
    GLuint image;
    float width, height;
    float border;
    float x, y;
    float textureWidth, textureHeight;
    GLenum wrapS, wrapT;
    bool isNearest;
    bool isOpaque;              // every texel's alpha is 1, the border's too
    const GlesAlphaMap* alpha;  // of the bordered image (see GlesPlacement), or none
    bool operator==(const GlesSampling& other) const;
    // A texture coordinate (0 to 1 across the image, inside it) as one of the ES texture.
    float MappedS(float s) const { return (x + border + s * width) / textureWidth; }
    float MappedT(float t) const { return (y + border + t * height) / textureHeight; }
};

struct GlesDrawState {
    GLenum mode;  // GL_TRIANGLES or GL_LINES
    GlesTexturing texturing;
    GlesSampling sampling;  // when texturing
    bool isBlended;
    GLenum blendSource, blendDestination;
    bool operator==(const GlesDrawState& other) const;
    bool operator!=(const GlesDrawState& other) const { return !(*this == other); }
    // Blending on, with GL_SRC_ALPHA and GL_ONE_MINUS_SRC_ALPHA.
    bool IsAlphaBlended() const {
        return isBlended && blendSource == GL_SRC_ALPHA && blendDestination == GL_ONE_MINUS_SRC_ALPHA;
    }
    // Whether blending can change no pixel this state draws, given whether every vertex
    // colour's alpha is 1.
    bool IsBlendingVoid(bool isEveryAlphaOne) const;
};

// The two triangles of a quad, by its corners, as Mesa's desktop OpenGL splits them, so that a
// quad whose attributes do not lie in one plane (a quad that is no parallelogram, colours per
// corner) interpolates alike: from corner 0 to 2, but where Mesa takes its clipping path (a
// corner outside the clip volume, or colours given per vertex under flat shading) so that the
// last corner ends both triangles.
constexpr int QUAD_TRIANGLES[6] = {0, 1, 2, 0, 2, 3};
constexpr int CLIPPING_PATH_QUAD_TRIANGLES[6] = {0, 1, 3, 1, 2, 3};
