#include "GlesContext.h"

#include <cmath>
#include <cstdarg>

#include "Engine/AssertionFailure.h"

#include "Gl11.h"
#include "GlesFastPaths.h"
#include "GlesQuadTrim.h"

namespace {

// The capabilities of OpenGL 1.1's fixed pipeline, in the order of ServerState::enables: those
// that ES 2 has too are passed on; blending (which each batch sets for itself) and texturing are
// carried out by the programs; the rest may only stay off, as they start.
enum class Carried { BY_ES2, BY_PROGRAMS, NOT };
struct Capability {
    GLenum name;
    Carried carried;
    GLbitfield groups;  // besides GL_ENABLE_BIT
};
constexpr Capability KNOWN_CAPABILITIES[] = {
    {GL_ALPHA_TEST, Carried::NOT, GL_COLOR_BUFFER_BIT},  {GL_BLEND, Carried::BY_PROGRAMS, GL_COLOR_BUFFER_BIT},
    {GL_CULL_FACE, Carried::BY_ES2, 0},                  {GL_DEPTH_TEST, Carried::BY_ES2, 0},
    {GL_DITHER, Carried::BY_ES2, GL_COLOR_BUFFER_BIT},   {GL_FOG, Carried::NOT, 0},
    {GL_LIGHTING, Carried::NOT, GL_LIGHTING_BIT},        {GL_LINE_SMOOTH, Carried::NOT, 0},
    {GL_LINE_STIPPLE, Carried::NOT, 0},                  {GL_POINT_SMOOTH, Carried::NOT, 0},
    {GL_POLYGON_OFFSET_FILL, Carried::BY_ES2, 0},        {GL_POLYGON_OFFSET_LINE, Carried::NOT, 0},
    {GL_POLYGON_OFFSET_POINT, Carried::NOT, 0},          {GL_POLYGON_SMOOTH, Carried::NOT, 0},
    {GL_POLYGON_STIPPLE, Carried::NOT, 0},               {GL_SCISSOR_TEST, Carried::BY_ES2, 0},
    {GL_STENCIL_TEST, Carried::BY_ES2, 0},               {GL_TEXTURE_2D, Carried::BY_PROGRAMS, 0}};
constexpr int DITHER_INDEX = 4;

constexpr GLenum HINTS[] = {GL_FOG_HINT, GL_LINE_SMOOTH_HINT, GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT,
                            GL_POLYGON_SMOOTH_HINT};
constexpr GLenum DONT_CARE = 0x1100;

int CapabilityIndex(GLenum name) {
    for (int i = 0; i < static_cast<int>(sizeof(KNOWN_CAPABILITIES) / sizeof(KNOWN_CAPABILITIES[0])); ++i) {
        if (KNOWN_CAPABILITIES[i].name == name) return i;
    }
    return -1;
}

int HintIndex(GLenum name) {
    for (int i = 0; i < 5; ++i) {
        if (HINTS[i] == name) return i;
    }
    return -1;
}

int RowBytes(int width, int bytesPerPixel, int alignment) {
    return (width * bytesPerPixel + alignment - 1) / alignment * alignment;
}

// Colours are kept as given and clamped to [0, 1] where they are used; so are depths.
float Clamped(float value) { return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value); }

bool AreInsideImage(const GlesVertex* vertices, int count) {
    for (int i = 0; i < count; ++i) {
        const GlesVertex& vertex = vertices[i];
        if (vertex.s < 0.0f || vertex.s > 1.0f || vertex.t < 0.0f || vertex.t > 1.0f) return false;
    }
    return true;
}

void CopyColor(const GlesVertex& from, GlesVertex* to) {
    to->red = from.red;
    to->green = from.green;
    to->blue = from.blue;
    to->alpha = from.alpha;
}

}  // namespace

GlesContext& GlesContext::Current() {
    static GlesContext context;
    return context;
}

GlesContext::GlesContext()
    : _state(),
      _savedStates(),
      _savedCount(0),
      _pixelStore{4, false, 4},
      _savedPixelStores(),
      _savedPixelStoreCount(0),
      _clearDepth(1.0f),
      _pendingDepthClear(-1.0f),
      _depthFunction(GL_LESS),
      _frontFace(GL_CCW),
      _cullFace(GL_BACK),
      _hints{DONT_CARE, DONT_CARE, DONT_CARE, DONT_CARE, DONT_CARE},
      _lineWidth(1.0f),
      _viewport{0, 0, 0, 0},
      _isViewportKnown(false),
      _error(GL_NO_ERROR),
#ifdef NDEBUG
      _isStrict(false),
#else
      _isStrict(true),
#endif
      _matrixMode(GL_MODELVIEW),
      _primitive(0),
      _vertexCount(-1),
      _transform(),
      _primitiveState(),
      _quad(),
      _firstVertex(),
      _lastVertex(),
      _color{1, 1, 1, 1},
      _texCoord{0, 0},
      _isColorPerVertex(false) {
    _state.enables[DITHER_INDEX] = true;
    _state.blendSource = GL_ONE;
    _state.blendDestination = GL_ZERO;
    _state.shadeModel = GL_SMOOTH;
    _state.pointSize = 1.0f;
}

void GlesContext::SetEnabled(GLenum capability, bool isEnabled) {
    const int index = CapabilityIndex(capability);
    if (index < 0) return Refuse(GL_INVALID_ENUM, "%s(0x%X): no such capability", isEnabled ? "glEnable" : "glDisable",
                                 capability);
    if (isEnabled && KNOWN_CAPABILITIES[index].carried == Carried::NOT) {
        return Refuse(GL_INVALID_ENUM, "glEnable(0x%X): the capability is not carried out", capability);
    }
    bool& enable = _state.enables[static_cast<std::size_t>(index)];
    if (enable == isEnabled) return;
    enable = isEnabled;
    if (KNOWN_CAPABILITIES[index].carried != Carried::BY_ES2) return;
    Flush();
    if ((capability == GL_DEPTH_TEST || capability == GL_SCISSOR_TEST) && isEnabled) _ClearPendingDepth();
    if (isEnabled) {
        ::glEnable(capability);
    } else {
        ::glDisable(capability);
    }
}

bool GlesContext::IsEnabled(GLenum capability) const {
    const int index = CapabilityIndex(capability);
    return index >= 0 && _state.enables[static_cast<std::size_t>(index)];
}

void GlesContext::BlendFunc(GLenum source, GLenum destination) {
    _state.blendSource = source;
    _state.blendDestination = destination;
}

void GlesContext::ClearColor(const std::array<float, 4>& color) {
    _state.clearColor = color;
    ::glClearColor(color[0], color[1], color[2], color[3]);
}

void GlesContext::ClearDepth(float depth) { _clearDepth = Clamped(depth); }

// Hints change no pixel here: they are kept for reading back.
void GlesContext::Hint(GLenum target, GLenum mode) {
    const int hint = HintIndex(target);
    if (hint < 0) return Refuse(GL_INVALID_ENUM, "glHint(0x%X, 0x%X): no such hint", target, mode);
    if (mode != GL_FASTEST && mode != GL_NICEST && mode != DONT_CARE) {
        return Refuse(GL_INVALID_ENUM, "glHint(0x%X, 0x%X): no such mode", target, mode);
    }
    _hints[static_cast<std::size_t>(hint)] = mode;
}

void GlesContext::DepthFunc(GLenum function) {
    if (function < GL_NEVER || function > GL_ALWAYS) {
        return Refuse(GL_INVALID_ENUM, "glDepthFunc(0x%X): no such function", function);
    }
    Flush();
    _depthFunction = function;
    ::glDepthFunc(function);
}

void GlesContext::FrontFace(GLenum mode) {
    if (mode != GL_CW && mode != GL_CCW) return Refuse(GL_INVALID_ENUM, "glFrontFace(0x%X): no such mode", mode);
    Flush();
    _frontFace = mode;
    ::glFrontFace(mode);
}

void GlesContext::CullFace(GLenum mode) {
    if (mode != GL_FRONT && mode != GL_BACK && mode != GL_FRONT_AND_BACK) {
        return Refuse(GL_INVALID_ENUM, "glCullFace(0x%X): no such mode", mode);
    }
    Flush();
    _cullFace = mode;
    ::glCullFace(mode);
}

void GlesContext::LineWidth(float width) {
    Flush();
    _lineWidth = width;
    ::glLineWidth(width);
}

const GLint* GlesContext::_Viewport() const {
    if (!_isViewportKnown) ::glGetIntegerv(GL_VIEWPORT, _viewport);
    _isViewportKnown = true;
    return _viewport;
}

void GlesContext::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    const GLint* viewport = _Viewport();
    if (x == viewport[0] && y == viewport[1] && width == viewport[2] && height == viewport[3]) return;
    Flush();
    _viewport[0] = x;
    _viewport[1] = y;
    _viewport[2] = width;
    _viewport[3] = height;
    ::glViewport(x, y, width, height);
}

// The groups the engine pushes, and the point size's.
void GlesContext::PushAttrib(GLbitfield mask) {
    constexpr GLbitfield KEPT = GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT | GL_POINT_BIT;
    if ((mask & ~KEPT) != 0) {
        return Refuse(GL_INVALID_VALUE, "glPushAttrib(0x%X): the groups 0x%X are not kept", mask, mask & ~KEPT);
    }
    if (_savedCount == ATTRIBUTE_DEPTH) return SetError(GL_STACK_OVERFLOW);
    _savedStates[static_cast<std::size_t>(_savedCount++)] = SavedState{mask, _state};
}

void GlesContext::PopAttrib() {
    if (_savedCount == 0) return SetError(GL_STACK_UNDERFLOW);
    const SavedState& saved = _savedStates[static_cast<std::size_t>(--_savedCount)];
    _Apply(saved.state, saved.mask);
}

void GlesContext::_Apply(const ServerState& state, GLbitfield mask) {
    for (int i = 0; i < CAPABILITIES; ++i) {
        if ((mask & (GL_ENABLE_BIT | KNOWN_CAPABILITIES[i].groups)) == 0) continue;
        SetEnabled(KNOWN_CAPABILITIES[i].name, state.enables[static_cast<std::size_t>(i)]);
    }
    if (mask & GL_COLOR_BUFFER_BIT) {
        BlendFunc(state.blendSource, state.blendDestination);
        ClearColor(state.clearColor);
    }
    if (mask & GL_LIGHTING_BIT) _state.shadeModel = state.shadeModel;
    if (mask & GL_POINT_BIT) _state.pointSize = state.pointSize;
}

void GlesContext::PushClientAttrib() {
    if (_savedPixelStoreCount == ATTRIBUTE_DEPTH) return SetError(GL_STACK_OVERFLOW);
    _savedPixelStores[static_cast<std::size_t>(_savedPixelStoreCount++)] = _pixelStore;
}

void GlesContext::PopClientAttrib() {
    if (_savedPixelStoreCount == 0) return SetError(GL_STACK_UNDERFLOW);
    const GlesPixelStore& saved = _savedPixelStores[static_cast<std::size_t>(--_savedPixelStoreCount)];
    PixelStore(GL_UNPACK_ALIGNMENT, saved.unpackAlignment);
    PixelStore(GL_UNPACK_LSB_FIRST, saved.unpackLsbFirst);
    PixelStore(GL_PACK_ALIGNMENT, saved.packAlignment);
}

void GlesContext::PixelStore(GLenum name, GLint value) {
    if (name == GL_UNPACK_LSB_FIRST) {
        _pixelStore.unpackLsbFirst = value != 0;
        return;
    }
    if (name != GL_UNPACK_ALIGNMENT && name != GL_PACK_ALIGNMENT) {
        return Refuse(GL_INVALID_ENUM, "glPixelStorei(0x%X, %d): the parameter is not kept", name, value);
    }
    if (value != 1 && value != 2 && value != 4 && value != 8) {
        return Refuse(GL_INVALID_VALUE, "glPixelStorei(0x%X, %d): no such alignment", name, value);
    }
    (name == GL_UNPACK_ALIGNMENT ? _pixelStore.unpackAlignment : _pixelStore.packAlignment) = value;
    ::glPixelStorei(name, value);
}

bool GlesContext::GetIntegers(GLenum name, GLint* values) const {
    const int hint = HintIndex(name);
    if (hint >= 0) {
        *values = static_cast<GLint>(_hints[static_cast<std::size_t>(hint)]);
        return true;
    }
    switch (name) {
        case GL_BLEND_SRC: *values = static_cast<GLint>(_state.blendSource); return true;
        case GL_BLEND_DST: *values = static_cast<GLint>(_state.blendDestination); return true;
        case GL_SHADE_MODEL: *values = static_cast<GLint>(_state.shadeModel); return true;
        case GL_DEPTH_FUNC: *values = static_cast<GLint>(_depthFunction); return true;
        case GL_FRONT_FACE: *values = static_cast<GLint>(_frontFace); return true;
        case GL_CULL_FACE_MODE: *values = static_cast<GLint>(_cullFace); return true;
        case GL_TEXTURE_BINDING_2D: *values = static_cast<GLint>(_textures.Bound()); return true;
        case GL_MODELVIEW_STACK_DEPTH: *values = _modelView.Depth(); return true;
        case GL_MAX_MODELVIEW_STACK_DEPTH: *values = GlesMatrixStack::DEPTH; return true;
        case GL_VIEWPORT: for (int i = 0; i < 4; ++i) values[i] = _Viewport()[i]; return true;
        case GL_UNPACK_ALIGNMENT: *values = _pixelStore.unpackAlignment; return true;
        case GL_PACK_ALIGNMENT: *values = _pixelStore.packAlignment; return true;
        default: return false;
    }
}

bool GlesContext::GetFloats(GLenum name, GLfloat* values) const {
    switch (name) {
        case GL_COLOR_CLEAR_VALUE: for (int i = 0; i < 4; ++i) values[i] = _state.clearColor[i]; return true;
        case GL_DEPTH_CLEAR_VALUE: *values = _clearDepth; return true;
        case GL_LINE_WIDTH: *values = _lineWidth; return true;
        case GL_POINT_SIZE: *values = _state.pointSize; return true;
        case GL_MODELVIEW_MATRIX: for (int i = 0; i < 16; ++i) values[i] = _modelView.Top()[i]; return true;
        default: break;
    }
    GLint integers[4] = {};
    if (!GetIntegers(name, integers)) return false;
    for (int i = 0; i < (name == GL_VIEWPORT ? 4 : 1); ++i) values[i] = static_cast<GLfloat>(integers[i]);
    return true;
}

void GlesContext::SetError(GLenum error) {
    if (_error == GL_NO_ERROR) _error = error;
}

void GlesContext::Refuse(GLenum error, const char* format, ...) {
    SetError(error);
    if (!_isStrict) return;
    char call[256];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(call, sizeof(call), format, arguments);
    va_end(arguments);
    FATAL_ERROR("Our OpenGL 1.1 does not carry out %s (error 0x%X)\n", call, error);
}

GLenum GlesContext::TakeError() {
    const GLenum error = _error;
    _error = GL_NO_ERROR;
    return error != GL_NO_ERROR ? error : ::glGetError();
}

// ES 2 reads RGBA only: three-byte pixels are packed from it.
void GlesContext::ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                             GLvoid* pixels) {
    if ((format != GL_RGB && format != GL_RGBA) || type != GL_UNSIGNED_BYTE) {
        return Refuse(GL_INVALID_ENUM, "glReadPixels(format 0x%X, type 0x%X): only bytes of RGB or RGBA are read", format,
                      type);
    }
    Flush();
    if (format != GL_RGB) return ::glReadPixels(x, y, width, height, format, GL_UNSIGNED_BYTE, pixels);
    std::vector<GLubyte> rgba(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    ::glPixelStorei(GL_PACK_ALIGNMENT, 4);
    ::glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    ::glPixelStorei(GL_PACK_ALIGNMENT, _pixelStore.packAlignment);
    const int rowBytes = RowBytes(width, 3, _pixelStore.packAlignment);
    auto* out = static_cast<GLubyte*>(pixels);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            for (int channel = 0; channel < 3; ++channel) {
                const std::size_t from = static_cast<std::size_t>((row * width + column) * 4 + channel);
                out[row * rowBytes + column * 3 + channel] = rgba[from];
            }
        }
    }
}

void GlesContext::MatrixMode(GLenum mode) {
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION) {
        return Refuse(GL_INVALID_ENUM, "glMatrixMode(0x%X): only the model-view and projection stacks are kept", mode);
    }
    _matrixMode = mode;
}

GlesMatrixStack& GlesContext::Matrices() { return _matrixMode == GL_PROJECTION ? _projection : _modelView; }

void GlesContext::PushMatrix() {
    if (!Matrices().Push()) SetError(GL_STACK_OVERFLOW);
}

void GlesContext::PopMatrix() {
    if (!Matrices().Pop()) SetError(GL_STACK_UNDERFLOW);
}

// Nothing reads or writes the depth buffer while the depth test is off, so a depth clear
// then waits until the test is switched on, and the next such clear replaces it. A scissor
// box would limit the clear to itself, so a clear under one is made at once.
bool GlesContext::_IsDepthClearDeferred() const {
    return GlesFastPaths::IsOn(GlesFastPaths::DEFERRED_DEPTH_CLEAR) && !IsEnabled(GL_DEPTH_TEST) &&
           !IsEnabled(GL_SCISSOR_TEST);
}

void GlesContext::Clear(GLbitfield mask) {
    if ((mask & GL_DEPTH_BUFFER_BIT) != 0 && _IsDepthClearDeferred()) {
        _pendingDepthClear = _clearDepth;
        mask &= ~static_cast<GLbitfield>(GL_DEPTH_BUFFER_BIT);
    }
    if (mask == 0) return;
    Flush();
    if ((mask & GL_DEPTH_BUFFER_BIT) != 0) ::glClearDepthf(_clearDepth);
    ::glClear(mask);
}

void GlesContext::_ClearPendingDepth() {
    if (_pendingDepthClear < 0.0f) return;
    ::glClearDepthf(_pendingDepthClear);
    ::glClear(GL_DEPTH_BUFFER_BIT);
    _pendingDepthClear = -1.0f;
}

void GlesContext::Flush() { _batch.Flush(_program); }

void GlesContext::Begin(GLenum mode) {
    if (_vertexCount >= 0) return SetError(GL_INVALID_OPERATION);
    if (mode != GL_QUADS && mode != GL_LINE_LOOP) {
        return Refuse(GL_INVALID_ENUM, "glBegin(0x%X): only quads and line loops are drawn", mode);
    }
    _primitive = mode;
    _vertexCount = 0;
    _isColorPerVertex = false;
    _transform = _Transform();
    _primitiveState = _DrawState(mode == GL_QUADS ? GL_TRIANGLES : GL_LINES);
    _RefuseSamplingNotCarriedOut(_primitiveState);
}

void GlesContext::Vertex(float x, float y) {
    if (_vertexCount < 0) return;
    const GlesMatrixStack::Matrix& m = _transform;
    const GlesVertex vertex = {m[0] * x + m[4] * y + m[12], m[1] * x + m[5] * y + m[13],
                               m[2] * x + m[6] * y + m[14], m[3] * x + m[7] * y + m[15],
                               _texCoord[0], _texCoord[1],
                               Clamped(_color[0]), Clamped(_color[1]), Clamped(_color[2]), Clamped(_color[3])};
    if (_primitive == GL_QUADS) {
        _AddQuadCorner(vertex);
    } else if (_vertexCount == 0) {
        _firstVertex = vertex;
    } else {
        _AddSegment(_lastVertex, vertex);
    }
    _lastVertex = vertex;
    ++_vertexCount;
}

void GlesContext::TexCoord(float s, float t) {
    _texCoord[0] = s;
    _texCoord[1] = t;
}

void GlesContext::Color(const float color[4]) {
    _isColorPerVertex = _isColorPerVertex || _vertexCount >= 0;
    for (int i = 0; i < 4; ++i) _color[i] = color[i];
}

// A line loop closes from its last vertex to its first; a quad left unfinished is dropped.
void GlesContext::End() {
    if (_vertexCount < 0) return SetError(GL_INVALID_OPERATION);
    if (_primitive == GL_LINE_LOOP && _vertexCount >= 2) _AddSegment(_lastVertex, _firstVertex);
    _vertexCount = -1;
    _FlushUnlessBatching();
}

void GlesContext::SetFastPaths(unsigned on) {
    Flush();
    GlesFastPaths::Set(on);
}

void GlesContext::_FlushUnlessBatching() {
    if (!GlesFastPaths::IsOn(GlesFastPaths::BATCHING)) Flush();
}

// Each quad as two triangles; flat shading colours a quad with its last vertex's colour.
void GlesContext::_AddQuadCorner(const GlesVertex& vertex) {
    const int corner = _vertexCount % 4;
    _quad[static_cast<std::size_t>(corner)] = vertex;
    if (corner != 3) return;
    if (_state.shadeModel == GL_FLAT) {
        for (GlesVertex& each : _quad) CopyColor(vertex, &each);
    }
    _AddPrimitive(_quad.data(), 4);
}

// A loop's segments as separate lines; flat shading colours each with the colour of the
// vertex it goes to, the closing one with the first vertex's.
void GlesContext::_AddSegment(const GlesVertex& from, const GlesVertex& to) {
    GlesVertex line[2] = {from, to};
    if (_state.shadeModel == GL_FLAT) CopyColor(to, &line[0]);
    _AddPrimitive(line, 2);
}

// A clamped, linearly filtered texture whose coordinates stay inside the image needs no
// wrapping per fragment: the coordinates are mapped into the bordered image here. Where each
// pixel centre falls on a texel centre, linear filtering takes that texel whole, which
// nearest filtering does for less. A quad (four corners) is then cut to the texels that show,
// and goes to the batch as two triangles.
void GlesContext::_AddPrimitive(GlesVertex* vertices, int count) {
    GlesDrawState state = _primitiveState;
    GlesSampling& sampling = state.sampling;
    const int* triangles = count == 4 && _IsOnClippingPath(vertices) ? CLIPPING_PATH_QUAD_TRIANGLES : QUAD_TRIANGLES;
    if (_IsMappable(state, vertices, count)) {
        state.texturing = GlesTexturing::MODULATE;
        sampling.isNearest = _IsTexelPerPixel(vertices, count, sampling);
        for (int i = 0; i < count; ++i) {
            vertices[i].s = sampling.MappedS(vertices[i].s);
            vertices[i].t = sampling.MappedT(vertices[i].t);
        }
        if (count == 4 && _IsTrimmable(state) && !GlesQuadTrim::Trim(sampling, _Viewport(), vertices)) return;
    }
    _batch.Start(state, _program);
    if (count == 2) {
        _batch.Add(vertices[0]);
        _batch.Add(vertices[1]);
        return;
    }
    for (int i = 0; i < 6; ++i) _batch.Add(vertices[triangles[i]]);
}

// GL_CLAMP under linear filtering, with every coordinate inside the image: the ES sampler's own
// clamping and filtering of the bordered image gives OpenGL 1.1's texels, so the coordinates
// can be mapped into it per vertex and the fragments spared the wrapping.
bool GlesContext::_IsMappable(const GlesDrawState& state, const GlesVertex* vertices, int count) const {
    const GlesSampling& sampling = state.sampling;
    return GlesFastPaths::IsOn(GlesFastPaths::MAPPED_COORDINATES) &&
           state.texturing == GlesTexturing::MODULATE_WRAPPED && !sampling.isNearest && sampling.wrapS == GL_CLAMP &&
           sampling.wrapT == GL_CLAMP && AreInsideImage(vertices, count);
}

// Texel centres on pixel centres: in window coordinates every vertex lies a whole number of
// pixels (to within a rounding error far from any pixel centre) from its texel coordinates,
// the same number for all of them; linear filtering then takes each texel whole.
bool GlesContext::_IsTexelPerPixel(const GlesVertex* vertices, int count, const GlesSampling& sampling) const {
    constexpr float ROUNDING = 1.0f / 1024.0f;
    if (!GlesFastPaths::IsOn(GlesFastPaths::NEAREST)) return false;
    float offsets[2] = {0.0f, 0.0f};
    for (int i = 0; i < count; ++i) {
        const GlesVertex& vertex = vertices[i];
        if (vertex.w != 1.0f) return false;
        const float window[2] = {(vertex.x + 1.0f) * 0.5f * static_cast<float>(_Viewport()[2]),
                                 (vertex.y + 1.0f) * 0.5f * static_cast<float>(_Viewport()[3])};
        const float texels[2] = {vertex.s * sampling.width, vertex.t * sampling.height};
        for (int axis = 0; axis < 2; ++axis) {
            const float offset = texels[axis] - window[axis];
            if (i == 0) offsets[axis] = std::round(offset);
            if (std::fabs(offset - offsets[axis]) > ROUNDING) return false;
        }
    }
    return true;
}

// A fragment of alpha 0 changes no pixel under GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA: it is
// blended away, and with no depth or stencil test it is tested against nothing.
bool GlesContext::_IsTrimmable(const GlesDrawState& state) const {
    return GlesFastPaths::IsOn(GlesFastPaths::CUT_QUADS) && state.IsAlphaBlended() && !IsEnabled(GL_DEPTH_TEST) &&
           !IsEnabled(GL_STENCIL_TEST);
}

// The wrapping program blends a repeated image's seam with its border under linear filtering,
// and filters with the magnifying filter alone.
void GlesContext::_RefuseSamplingNotCarriedOut(const GlesDrawState& state) {
    if (state.texturing == GlesTexturing::NONE) return;
    const GlesSampling& sampling = state.sampling;
    if (!sampling.isNearest && (sampling.wrapS == GL_REPEAT || sampling.wrapT == GL_REPEAT)) {
        return Refuse(GL_INVALID_OPERATION, "glBegin with texture %u: GL_REPEAT under linear filtering",
                      _textures.Bound());
    }
    if (!_textures.AreFiltersAlike()) {
        Refuse(GL_INVALID_OPERATION, "glBegin with texture %u: minifying and magnifying filters differ",
               _textures.Bound());
    }
}

// Where Mesa's desktop OpenGL would draw the quad through its clipping path, which splits it
// otherwise (see CLIPPING_PATH_QUAD_TRIANGLES).
bool GlesContext::_IsOnClippingPath(const GlesVertex corners[4]) const {
    if (_state.shadeModel == GL_FLAT && _isColorPerVertex) return true;
    for (int i = 0; i < 4; ++i) {
        const GlesVertex& c = corners[i];
        if (std::fabs(c.x) > c.w || std::fabs(c.y) > c.w || std::fabs(c.z) > c.w) return true;
    }
    return false;
}

GlesMatrixStack::Matrix GlesContext::_Transform() const {
    return GlesMatrixStack::Product(_projection.Top(), _modelView.Top());
}

// A texture that is incomplete leaves the colour as it is, as OpenGL 1.1 does.
GlesDrawState GlesContext::_DrawState(GLenum mode) const {
    GlesDrawState state = {mode,  GlesTexturing::NONE, GlesSampling(), IsEnabled(GL_BLEND), _state.blendSource,
                           _state.blendDestination};
    if (IsEnabled(GL_TEXTURE_2D) && _textures.Sampling(&state.sampling)) {
        state.texturing = GlesTexturing::MODULATE_WRAPPED;
    }
    return state;
}

void GlesContext::TexParameter(GLenum name, GLint value) {
    const GLenum error = _textures.SetParameter(name, value);
    if (error != GL_NO_ERROR) Refuse(error, "glTexParameteri(0x%X, 0x%X)", name, value);
}

void GlesContext::TexImage(GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                           const GLvoid* pixels) {
    Flush();
    const GLenum error =
        _textures.Upload(internalFormat, width, height, format, type, pixels, _pixelStore.unpackAlignment, _program);
    if (error == GL_OUT_OF_MEMORY) return SetError(error);
    if (error != GL_NO_ERROR) {
        Refuse(error, "glTexImage2D(internal format 0x%X, %d x %d, format 0x%X, type 0x%X)", internalFormat, width,
               height, format, type);
    }
}

// Bitmaps are drawn as triangles, which ES would cull; OpenGL 1.1 culls no bitmap.
void GlesContext::CallLists(GLsizei count, GLenum type, const GLubyte* lists) {
    if (type != GL_UNSIGNED_BYTE) return Refuse(GL_INVALID_ENUM, "glCallLists(%d, 0x%X): only byte names", count, type);
    if (IsEnabled(GL_CULL_FACE)) return Refuse(GL_INVALID_OPERATION, "glCallLists with GL_CULL_FACE on");
    _lists.CallLists(count, lists, _batch, _program, _Viewport(), _DrawState(GL_TRIANGLES));
    _FlushUnlessBatching();
}

void GlesContext::RasterPos(float x, float y) {
    const GlesMatrixStack::Matrix transform = _Transform();
    float clip[4];
    for (int row = 0; row < 4; ++row) clip[row] = transform[row] * x + transform[4 + row] * y + transform[12 + row];
    const float color[4] = {Clamped(_color[0]), Clamped(_color[1]), Clamped(_color[2]), Clamped(_color[3])};
    _lists.SetRasterPosition(clip, _Viewport(), color);
}

void GlesContext::Bitmap(GLsizei width, GLsizei height, float xOrigin, float yOrigin, float xMove, float yMove,
                         const GLubyte* bits) {
    if (!_lists.IsCompiling() && IsEnabled(GL_CULL_FACE)) {
        return Refuse(GL_INVALID_OPERATION, "glBitmap with GL_CULL_FACE on");
    }
    _lists.Bitmap(width, height, xOrigin, yOrigin, xMove, yMove, bits, _pixelStore, _batch, _program, _Viewport(),
                  _DrawState(GL_TRIANGLES));
    _FlushUnlessBatching();
}
