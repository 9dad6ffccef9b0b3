#include "GlesProgram.h"

#include <cstddef>

namespace {

enum Attribute : GLuint { POSITION = 0, TEX_COORD = 1, COLOR = 2 };

const char* const VERTEX_SHADER = R"(
attribute vec2 position;
attribute vec2 texCoord;
attribute vec4 color;
uniform mat4 transform;
varying vec2 vTexCoord;
varying vec4 vColor;
void main() {
    gl_Position = transform * vec4(position, 0.0, 1.0);
    gl_PointSize = 1.0;
    vTexCoord = texCoord;
    vColor = color;
}
)";

const char* const FRAGMENT_SHADER = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D sampler;
uniform int texturing;
varying vec2 vTexCoord;
varying vec4 vColor;
void main() {
    if (texturing == 1) {
        gl_FragColor = vColor * texture2D(sampler, vTexCoord);
    } else if (texturing == 2) {
        if (texture2D(sampler, vTexCoord).r < 0.5) discard;
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

}  // namespace

GlesProgram::GlesProgram() : _program(0), _buffer(0), _transform(-1), _texturing(-1), _sampler(-1) {}

void GlesProgram::_Build() {
    _program = ::glCreateProgram();
    ::glAttachShader(_program, Compile(GL_VERTEX_SHADER, VERTEX_SHADER));
    ::glAttachShader(_program, Compile(GL_FRAGMENT_SHADER, FRAGMENT_SHADER));
    ::glBindAttribLocation(_program, POSITION, "position");
    ::glBindAttribLocation(_program, TEX_COORD, "texCoord");
    ::glBindAttribLocation(_program, COLOR, "color");
    ::glLinkProgram(_program);
    _transform = ::glGetUniformLocation(_program, "transform");
    _texturing = ::glGetUniformLocation(_program, "texturing");
    _sampler = ::glGetUniformLocation(_program, "sampler");
    ::glGenBuffers(1, &_buffer);
    ::glUseProgram(_program);
    ::glUniform1i(_sampler, 0);
    ::glBindBuffer(GL_ARRAY_BUFFER, _buffer);
    const GLsizei stride = sizeof(GlesVertex);
    ::glVertexAttribPointer(POSITION, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, x)));
    ::glVertexAttribPointer(TEX_COORD, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, s)));
    ::glVertexAttribPointer(COLOR, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(GlesVertex, red)));
    for (GLuint attribute : {POSITION, TEX_COORD, COLOR}) ::glEnableVertexAttribArray(attribute);
}

void GlesProgram::Draw(GLenum mode, const GlesVertex* vertices, int count, const GlesMatrixStack::Matrix& transform,
                       GlesTexturing texturing) {
    if (_program == 0) _Build();
    ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(GlesVertex)), vertices, GL_STREAM_DRAW);
    ::glUniformMatrix4fv(_transform, 1, GL_FALSE, transform.data());
    ::glUniform1i(_texturing, static_cast<GLint>(texturing));
    ::glDrawArrays(mode, 0, count);
}
