#pragma once
// The shader programs that stand in for OpenGL 1.1's fixed pipeline, one for each way a
// texture takes part: vertices come already transformed to clip coordinates, with their
// colours clamped; a texture takes part not at all, modulating the colour (the default
// texture environment), or as a bitmap's mask, whose unset bits draw nothing. Where the
// texture coordinates stay inside the image and filtering is linear, they are mapped into the
// bordered image before they arrive (MODULATE); otherwise the program wraps and filters them
// as OpenGL 1.1 would (MODULATE_WRAPPED; see GlesSampling). Vertices go through one buffer,
// as WebGL has no client-side arrays. The ES state a draw needs (program, blending, the bound
// image) is set only where it differs from what ES already has.
#include <GLES2/gl2.h>

#include <vector>

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
    bool isOpaque;  // every texel's alpha is 1, the border's too
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

class GlesProgram {
public:
    GlesProgram();
    // Builds the programs on first use, when a context is current.
    void Draw(const GlesDrawState& state, const GlesVertex* vertices, int count);
    // Binds an ES texture to unit 0 (for uploads too), remembering it.
    void BindImage(GLuint image);
    void ForgetImage(GLuint image);  // deleted: ES binds no texture in its place
    long DrawsIssued() const { return _draws; }

private:
    struct Variant {
        GLuint program;
        GLint size, border, wrap, isNearest, offset, textureSize;
    };
    static constexpr int VARIANTS = 5;  // one for each GlesTexturing

    void _Build();
    void _Use(int variant);
    void _SetFilter(GLuint image, GLenum filter);
    void _Apply(const GlesDrawState& state);

    Variant _variants[VARIANTS];
    int _usedVariant;
    GLuint _vertexShader;
    GLuint _buffer;
    GLuint _boundImage;
    std::vector<GLenum> _imageFilters;  // by ES texture: the filter last set, 0 if unknown
    bool _isBlendOn;
    GLenum _blendSource, _blendDestination;
    long _draws;
};
