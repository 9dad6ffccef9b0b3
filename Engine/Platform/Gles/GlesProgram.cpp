#include "GlesProgram.h"

#include <cstddef>
#include <initializer_list>

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

// Wrap modes: 0 GL_CLAMP, 1 GL_CLAMP_TO_EDGE, 2 GL_REPEAT. Under linear filtering a
// repeated image's seam blends with the border rather than the opposite edge; the engine
// never repeats.
const char* const FRAGMENT_SHADER = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D sampler;
uniform int texturing;
uniform vec2 size;
uniform float border;
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
vec4 Texel() {
    vec2 texel = vec2(Wrap(vTexCoord.x, size.x, wrap.x), Wrap(vTexCoord.y, size.y, wrap.y)) * size;
    if (isNearest == 1) texel = floor(min(texel, size - 0.5)) + 0.5;
    return texture2D(sampler, (texel + border) / (size + 2.0 * border));
}
void main() {
    if (texturing == 1) {
        gl_FragColor = vColor * Texel();
    } else if (texturing == 2) {
        if (Texel().r < 0.5) discard;
        gl_FragColor = vColor;
    } else {
        gl_FragColor = vColor;
    }
}
)";

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = ::glCreateShader(kind);
    ::glShaderSource(shader, 1, &source, nullptr);
    ::glCompileShader(shader);
    return shader;
}

float WrapMode(GLenum wrap) {
    if (wrap == GL11_CLAMP) return 0.0f;
    return wrap == GL_CLAMP_TO_EDGE ? 1.0f : 2.0f;
}

}  // namespace

bool GlesSampling::operator==(const GlesSampling& other) const {
    return image == other.image && width == other.width && height == other.height && border == other.border &&
           wrapS == other.wrapS && wrapT == other.wrapT && isNearest == other.isNearest;
}

bool GlesDrawState::operator==(const GlesDrawState& other) const {
    if (mode != other.mode || texturing != other.texturing || isBlended != other.isBlended) return false;
    if (isBlended && (blendSource != other.blendSource || blendDestination != other.blendDestination)) return false;
    return texturing == GlesTexturing::NONE || sampling == other.sampling;
}

GlesProgram::GlesProgram()
    : _program(0),
      _buffer(0),
      _texturing(-1),
      _size(-1),
      _border(-1),
      _wrap(-1),
      _isNearest(-1),
      _sampler(-1),
      _boundImage(0),
      _isBlendOn(false),
      _blendSource(GL_ONE),
      _blendDestination(GL_ZERO),
      _draws(0) {}

void GlesProgram::_Build() {
    _program = ::glCreateProgram();
    ::glAttachShader(_program, Compile(GL_VERTEX_SHADER, VERTEX_SHADER));
    ::glAttachShader(_program, Compile(GL_FRAGMENT_SHADER, FRAGMENT_SHADER));
    ::glBindAttribLocation(_program, POSITION, "position");
    ::glBindAttribLocation(_program, TEX_COORD, "texCoord");
    ::glBindAttribLocation(_program, COLOR, "color");
    ::glLinkProgram(_program);
    _texturing = ::glGetUniformLocation(_program, "texturing");
    _size = ::glGetUniformLocation(_program, "size");
    _border = ::glGetUniformLocation(_program, "border");
    _wrap = ::glGetUniformLocation(_program, "wrap");
    _isNearest = ::glGetUniformLocation(_program, "isNearest");
    _sampler = ::glGetUniformLocation(_program, "sampler");
    ::glGenBuffers(1, &_buffer);
    ::glUseProgram(_program);
    ::glUniform1i(_sampler, 0);
    ::glBindBuffer(GL_ARRAY_BUFFER, _buffer);
    const GLsizei stride = sizeof(GlesVertex);
    ::glVertexAttribPointer(POSITION, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, x)));
    ::glVertexAttribPointer(TEX_COORD, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, s)));
    ::glVertexAttribPointer(COLOR, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, red)));
    for (GLuint attribute : {POSITION, TEX_COORD, COLOR}) ::glEnableVertexAttribArray(attribute);
}

void GlesProgram::BindImage(GLuint image) {
    if (image == _boundImage) return;
    ::glBindTexture(GL_TEXTURE_2D, image);
    _boundImage = image;
}

void GlesProgram::ForgetImage(GLuint image) {
    if (image == _boundImage) _boundImage = 0;
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
    ::glUniform1i(_texturing, static_cast<GLint>(state.texturing));
    if (state.texturing == GlesTexturing::NONE) return;
    const GlesSampling& sampling = state.sampling;
    BindImage(sampling.image);
    ::glUniform2f(_size, sampling.width, sampling.height);
    ::glUniform1f(_border, sampling.border);
    ::glUniform2f(_wrap, WrapMode(sampling.wrapS), WrapMode(sampling.wrapT));
    ::glUniform1i(_isNearest, sampling.isNearest ? 1 : 0);
}

void GlesProgram::Draw(const GlesDrawState& state, const GlesVertex* vertices, int count) {
    if (count <= 0) return;
    if (_program == 0) _Build();
    _Apply(state);
    ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(GlesVertex)), vertices, GL_STREAM_DRAW);
    ::glDrawArrays(state.mode, 0, count);
    ++_draws;
}
