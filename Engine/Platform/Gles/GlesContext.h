#pragma once
// OpenGL 1.1's state as far as the engine uses it, kept over an OpenGL ES 2 context: what
// ES 2 has is passed on, what it lacks (fixed-function enables, shade model, hints, point
// size, matrix stacks, attribute stacks, immediate mode, BGR uploads) is kept here and
// carried out by GlesProgram, GlesTextures and GlesBitmapLists. Immediate mode's vertices
// are transformed here and appended to one GlesBatch; blending and texturing reach ES only
// when a batch is drawn. One context per process, as the engine makes one window.
#include <GLES2/gl2.h>

#include <array>
#include <vector>

#include "GlesBatch.h"
#include "GlesBitmapLists.h"
#include "GlesCallLog.h"
#include "GlesMatrixStack.h"
#include "GlesProgram.h"
#include "GlesTextures.h"

class GlesContext {
public:
    static GlesContext& Current();

    GlesContext();

    void SetEnabled(GLenum capability, bool isEnabled);
    bool IsEnabled(GLenum capability) const;
    void ShadeModel(GLenum mode) { _state.shadeModel = mode; }
    void BlendFunc(GLenum source, GLenum destination);
    void ClearColor(const std::array<float, 4>& color);
    void ClearDepth(float depth);
    void Hint(GLenum target, GLenum mode);
    void DepthFunc(GLenum function);
    void FrontFace(GLenum mode);
    void CullFace(GLenum mode);
    void LineWidth(float width);
    void PointSize(float size) { _state.pointSize = size; }
    void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
    void PushAttrib(GLbitfield mask);
    void PopAttrib();
    void PushClientAttrib();
    void PopClientAttrib();
    void PixelStore(GLenum name, GLint value);
    bool GetIntegers(GLenum name, GLint* values) const;  // false: ask ES 2
    bool GetFloats(GLenum name, GLfloat* values) const;
    void SetError(GLenum error);
    // The one way out for a call, enum or value that the subset does not carry out as OpenGL
    // 1.1 would: it sets `error`, as OpenGL sets it for what it does not know, and where the
    // subset is strict (builds without NDEBUG, and tests that ask) it ends the program through
    // the engine's fatal report, naming the call and the value (printf's `format`).
    void Refuse(GLenum error, const char* format, ...) __attribute__((format(printf, 3, 4)));
    void SetStrict(bool isStrict) { _isStrict = isStrict; }
    GLenum TakeError();
    void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid* pixels);
    void Clear(GLbitfield mask);
    void Flush();  // draws what is batched

    void MatrixMode(GLenum mode);
    GlesMatrixStack& Matrices();  // the stack that glMatrixMode chose
    void PushMatrix();
    void PopMatrix();

    void Begin(GLenum mode);
    void End();
    void Vertex(float x, float y);
    void TexCoord(float s, float t);
    void Color(const float color[4]);

    void GenTextures(GLsizei count, GLuint* names) { _textures.Generate(count, names); }
    void BindTexture(GLuint name) { _textures.Bind(name); }
    void TexParameter(GLenum name, GLint value);
    void TexImage(GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  const GLvoid* pixels);

    GlesBitmapLists& Lists() { return _lists; }
    GlesCallLog& CallLog() { return _callLog; }
    void SetFastPaths(unsigned on);  // GlesFastPaths' bits
    long DrawsIssued() const { return _program.DrawsIssued(); }
    void CallLists(GLsizei count, GLenum type, const GLubyte* lists);
    void RasterPos(float x, float y);
    void Bitmap(GLsizei width, GLsizei height, float xOrigin, float yOrigin, float xMove, float yMove,
                const GLubyte* bits);

private:
    static constexpr int CAPABILITIES = 18;
    static constexpr int ATTRIBUTE_DEPTH = 16;

    // What glPushAttrib saves: the enables, the colour-buffer and the lighting groups.
    struct ServerState {
        std::array<bool, CAPABILITIES> enables;
        GLenum blendSource;
        GLenum blendDestination;
        std::array<float, 4> clearColor;
        GLenum shadeModel;
        float pointSize;
    };
    struct SavedState {
        GLbitfield mask;
        ServerState state;
    };

    void _Apply(const ServerState& state, GLbitfield mask);
    GlesMatrixStack::Matrix _Transform() const;
    GlesDrawState _DrawState(GLenum mode) const;
    const GLint* _Viewport() const;
    void _ClearPendingDepth();
    void _AddQuadCorner(const GlesVertex& vertex);
    void _AddSegment(const GlesVertex& from, const GlesVertex& to);
    void _AddPrimitive(GlesVertex* vertices, int count);
    void _FlushUnlessBatching();
    void _RefuseSamplingNotCarriedOut(const GlesDrawState& state);
    bool _IsOnClippingPath(const GlesVertex corners[4]) const;
    bool _IsDepthClearDeferred() const;
    bool _IsMappable(const GlesDrawState& state, const GlesVertex* vertices, int count) const;
    bool _IsTexelPerPixel(const GlesVertex* vertices, int count, const GlesSampling& sampling) const;
    bool _IsTrimmable(const GlesDrawState& state) const;

    ServerState _state;
    std::array<SavedState, ATTRIBUTE_DEPTH> _savedStates;
    int _savedCount;
    GlesPixelStore _pixelStore;
    std::array<GlesPixelStore, ATTRIBUTE_DEPTH> _savedPixelStores;
    int _savedPixelStoreCount;
    float _clearDepth;
    float _pendingDepthClear;  // the value of a depth clear not yet made; -1 for none
    GLenum _depthFunction, _frontFace, _cullFace;
    std::array<GLenum, 5> _hints;
    float _lineWidth;
    // OpenGL's first viewport is the window's size, which ES's has too: taken from ES when it
    // is first needed, if the engine has set none by then (a lookup, so also from const code).
    mutable GLint _viewport[4];
    mutable bool _isViewportKnown;
    GLenum _error;
    bool _isStrict;

    GLenum _matrixMode;
    GlesMatrixStack _modelView;
    GlesMatrixStack _projection;

    GLenum _primitive;
    int _vertexCount;  // -1 outside glBegin/glEnd
    GlesMatrixStack::Matrix _transform;  // projection times model-view, fixed at glBegin
    GlesDrawState _primitiveState;       // also fixed at glBegin
    std::array<GlesVertex, 4> _quad;
    GlesVertex _firstVertex, _lastVertex;  // of a line loop
    float _color[4];
    float _texCoord[2];
    bool _isColorPerVertex;  // a colour given inside this glBegin/glEnd

    GlesTextures _textures;
    GlesProgram _program;
    GlesBatch _batch;
    GlesBitmapLists _lists;
    GlesCallLog _callLog;
};
