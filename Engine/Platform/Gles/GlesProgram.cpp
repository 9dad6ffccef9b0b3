#include "GlesProgram.h"

#include <cstddef>
#include <initializer_list>

#include "Engine/AssertionFailure.h"

namespace {

enum Attribute : GLuint { POSITION = 0, TEX_COORD = 1, COLOR = 2 };

constexpr GLenum GL11_CLAMP = 0x2900;

const char* const VERTEX_SHADER = R"(
attribute vec4 position;
attribute vec2 texCoord;
attribute vec4 color;
varying vec2 vTexCoord;
varying vec4 vColor;
void main() {
    gl_Position = position;
    gl_PointSize = 1.0;
    vTexCoord = texCoord;
    vColor = color;
}
)";

// TEXTURING is the GlesTexturing the program is built for. Wrap modes: 0 GL_CLAMP,
// 1 GL_CLAMP_TO_EDGE, 2 GL_REPEAT, which is drawn under nearest filtering only (the subset
// refuses it under linear filtering, whose seam would blend with the border).
const char* const FRAGMENT_SHADER = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D sampler;
uniform vec2 size;
uniform float border;
uniform vec2 offset;
uniform vec2 textureSize;
uniform vec2 wrap;
uniform int isNearest;
varying vec2 vTexCoord;
varying vec4 vColor;
float Wrap(float c, float texels, float mode) {
    if (mode > 1.5) return fract(c);
    c = clamp(c, 0.0, 1.0);
    if (mode > 0.5) c = clamp(c, 0.5 / texels, 1.0 - 0.5 / texels);
    return c;
}
vec4 WrappedTexel() {
    vec2 texel = vec2(Wrap(vTexCoord.x, size.x, wrap.x), Wrap(vTexCoord.y, size.y, wrap.y)) * size;
    if (isNearest == 1) texel = floor(min(texel, size - 0.5)) + 0.5;
    return texture2D(sampler, (offset + texel + border) / textureSize);
}
void main() {
#if TEXTURING == 1
    gl_FragColor = vColor * texture2D(sampler, vTexCoord);
#elif TEXTURING == 2
    gl_FragColor = vColor * WrappedTexel();
#elif TEXTURING == 3
    if (texture2D(sampler, vTexCoord).r < 0.5) discard;
    gl_FragColor = vColor;
#elif TEXTURING == 4
    gl_FragColor = texture2D(sampler, vTexCoord);
#else
    gl_FragColor = vColor;
#endif
}
)";

// A shader the driver does not take leaves nothing to draw with: fatal, with the driver's log.
GLuint Compile(GLenum kind, const char* prefix, const char* source) {
    const GLuint shader = ::glCreateShader(kind);
    const char* const sources[2] = {prefix, source};
    ::glShaderSource(shader, 2, sources, nullptr);
    ::glCompileShader(shader);
    GLint isCompiled = GL_FALSE;
    ::glGetShaderiv(shader, GL_COMPILE_STATUS, &isCompiled);
    if (isCompiled != GL_TRUE) {
        char log[1024] = "";
        ::glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
        FATAL_ERROR("The OpenGL ES driver did not compile a shader of our OpenGL 1.1 (%s): %s\n", prefix, log);
    }
    return shader;
}

void Link(GLuint program) {
    ::glLinkProgram(program);
    GLint isLinked = GL_FALSE;
    ::glGetProgramiv(program, GL_LINK_STATUS, &isLinked);
    if (isLinked == GL_TRUE) return;
    char log[1024] = "";
    ::glGetProgramInfoLog(program, sizeof(log), nullptr, log);
    FATAL_ERROR("The OpenGL ES driver did not link a program of our OpenGL 1.1: %s\n", log);
}

float WrapMode(GLenum wrap) {
    if (wrap == GL11_CLAMP) return 0.0f;
    return wrap == GL_CLAMP_TO_EDGE ? 1.0f : 2.0f;
}

}  // namespace

GlesProgram::GlesProgram()
    : _variants(),
      _usedVariant(-1),
      _vertexShader(0),
      _buffer(0),
      _boundImage(0),
      _isBlendOn(false),
      _blendSource(GL_ONE),
      _blendDestination(GL_ZERO),
      _draws(0) {}

// The vertex buffer and its layout, which every program shares.
void GlesProgram::_Build() {
    _vertexShader = Compile(GL_VERTEX_SHADER, "", VERTEX_SHADER);
    ::glGenBuffers(1, &_buffer);
    ::glBindBuffer(GL_ARRAY_BUFFER, _buffer);
    const GLsizei stride = sizeof(GlesVertex);
    ::glVertexAttribPointer(POSITION, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, x)));
    ::glVertexAttribPointer(TEX_COORD, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, s)));
    ::glVertexAttribPointer(COLOR, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, red)));
    for (GLuint attribute : {POSITION, TEX_COORD, COLOR}) ::glEnableVertexAttribArray(attribute);
}

// Each program is built when it is first needed: compiling one costs start-up time.
void GlesProgram::_Use(int used) {
    Variant& variant = _variants[used];
    if (variant.program == 0) {
        static const char* const PREFIXES[VARIANTS] = {"#define TEXTURING 0\n", "#define TEXTURING 1\n",
                                                        "#define TEXTURING 2\n", "#define TEXTURING 3\n",
                                                        "#define TEXTURING 4\n"};
        variant.program = ::glCreateProgram();
        ::glAttachShader(variant.program, _vertexShader);
        ::glAttachShader(variant.program, Compile(GL_FRAGMENT_SHADER, PREFIXES[used], FRAGMENT_SHADER));
        ::glBindAttribLocation(variant.program, POSITION, "position");
        ::glBindAttribLocation(variant.program, TEX_COORD, "texCoord");
        ::glBindAttribLocation(variant.program, COLOR, "color");
        Link(variant.program);
        variant.size = ::glGetUniformLocation(variant.program, "size");
        variant.border = ::glGetUniformLocation(variant.program, "border");
        variant.wrap = ::glGetUniformLocation(variant.program, "wrap");
        variant.isNearest = ::glGetUniformLocation(variant.program, "isNearest");
        variant.offset = ::glGetUniformLocation(variant.program, "offset");
        variant.textureSize = ::glGetUniformLocation(variant.program, "textureSize");
        ::glUseProgram(variant.program);
        ::glUniform1i(::glGetUniformLocation(variant.program, "sampler"), 0);
    } else {
        ::glUseProgram(variant.program);
    }
    _usedVariant = used;
}

void GlesProgram::BindImage(GLuint image) {
    if (image == _boundImage) return;
    ::glBindTexture(GL_TEXTURE_2D, image);
    _boundImage = image;
}

void GlesProgram::ForgetImage(GLuint image) {
    if (image == _boundImage) _boundImage = 0;
    if (image < _imageFilters.size()) _imageFilters[image] = 0;
}

// The bound image's filter, set where it differs from what ES was last told.
void GlesProgram::_SetFilter(GLuint image, GLenum filter) {
    if (image >= _imageFilters.size()) _imageFilters.resize(image + 1, 0);
    if (_imageFilters[image] == filter) return;
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(filter));
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(filter));
    _imageFilters[image] = filter;
}

void GlesProgram::_Apply(const GlesDrawState& state) {
    if (state.isBlended != _isBlendOn) {
        if (state.isBlended) {
            ::glEnable(GL_BLEND);
        } else {
            ::glDisable(GL_BLEND);
        }
        _isBlendOn = state.isBlended;
    }
    if (state.isBlended && (state.blendSource != _blendSource || state.blendDestination != _blendDestination)) {
        ::glBlendFunc(state.blendSource, state.blendDestination);
        _blendSource = state.blendSource;
        _blendDestination = state.blendDestination;
    }
    const int used = static_cast<int>(state.texturing);
    if (used != _usedVariant) _Use(used);
    if (state.texturing == GlesTexturing::NONE) return;
    const GlesSampling& sampling = state.sampling;
    BindImage(sampling.image);
    if (state.texturing == GlesTexturing::BITMAP_MASK) return;
    // Mapped coordinates say themselves whether linear filtering would take texels whole;
    // the wrapping program takes texel centres itself where it filters nearest.
    const bool isMapped =
        state.texturing == GlesTexturing::MODULATE || state.texturing == GlesTexturing::WHITE_MODULATE;
    const bool isNearest = isMapped && sampling.isNearest;
    _SetFilter(sampling.image, isNearest ? GL_NEAREST : GL_LINEAR);
    if (state.texturing != GlesTexturing::MODULATE_WRAPPED) return;
    const Variant& variant = _variants[used];
    ::glUniform2f(variant.size, sampling.width, sampling.height);
    ::glUniform1f(variant.border, sampling.border);
    ::glUniform2f(variant.wrap, WrapMode(sampling.wrapS), WrapMode(sampling.wrapT));
    ::glUniform1i(variant.isNearest, sampling.isNearest ? 1 : 0);
    ::glUniform2f(variant.offset, sampling.x, sampling.y);
    ::glUniform2f(variant.textureSize, sampling.textureWidth, sampling.textureHeight);
}

void GlesProgram::Draw(const GlesDrawState& state, const GlesVertex* vertices, int count) {
    if (count <= 0) return;
    if (_buffer == 0) _Build();
    _Apply(state);
    ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(GlesVertex)), vertices, GL_STREAM_DRAW);
    ::glDrawArrays(state.mode, 0, count);
    ++_draws;
}
