// The OpenGL 1.1 entry points of the subset, each recorded (while the log records) and
// handed to the one GlesContext. ES 2's header comes first, so that its definitions of the
// shared constants stand.
#include <cmath>

#include "GlesContext.h"
#include "Gl11.h"

namespace Gl11 {

namespace {

GlesContext& Context() { return GlesContext::Current(); }

template <typename... Arguments>
void Record(const char* name, Arguments... arguments) {
    Context().CallLog().Add(name, {static_cast<double>(arguments)...});
}

bool IsRecording() { return Context().CallLog().IsRecording(); }

// The bytes of a picture of `width` x `height` elements of `bits` bits, rows padded to the
// unpack alignment.
std::size_t ImageBytes(GLsizei width, GLsizei height, int bits) {
    GLint alignment = 4;
    Context().GetIntegers(GL_UNPACK_ALIGNMENT, &alignment);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 7) / 8;
    const auto aligned = static_cast<std::size_t>(alignment);
    return (rowBytes + aligned - 1) / aligned * aligned * static_cast<std::size_t>(height > 0 ? height : 0);
}

// The subset keeps two-dimensional textures only.
bool IsTexture2D(const char* call, GLenum target) {
    if (target == GL_TEXTURE_2D) return true;
    Context().Refuse(GL_INVALID_ENUM, "%s(0x%X): only GL_TEXTURE_2D is kept", call, target);
    return false;
}

double Hash(const void* bytes, std::size_t count) {
    return bytes == nullptr ? 0.0 : GlesCallLog::Hash(bytes, count);
}

}  // namespace

void glEnable(GLenum capability) {
    Record("glEnable", capability);
    Context().SetEnabled(capability, true);
}
void glDisable(GLenum capability) {
    Record("glDisable", capability);
    Context().SetEnabled(capability, false);
}
GLboolean glIsEnabled(GLenum capability) {
    Record("glIsEnabled", capability);
    return Context().IsEnabled(capability) ? GL_TRUE : GL_FALSE;
}
void glShadeModel(GLenum mode) {
    Record("glShadeModel", mode);
    Context().ShadeModel(mode);
}
void glBlendFunc(GLenum source, GLenum destination) {
    Record("glBlendFunc", source, destination);
    Context().BlendFunc(source, destination);
}
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    Record("glClearColor", red, green, blue, alpha);
    Context().ClearColor({red, green, blue, alpha});
}
void glClearDepth(GLclampd depth) {
    Record("glClearDepth", depth);
    Context().ClearDepth(static_cast<float>(depth));
}
void glClear(GLbitfield mask) {
    Record("glClear", mask);
    Context().Clear(mask);
}
void glDepthFunc(GLenum function) {
    Record("glDepthFunc", function);
    Context().DepthFunc(function);
}
void glLineWidth(GLfloat width) {
    Record("glLineWidth", width);
    Context().LineWidth(width);
}
void glPointSize(GLfloat size) {
    Record("glPointSize", size);
    Context().PointSize(size);
}
void glFrontFace(GLenum mode) {
    Record("glFrontFace", mode);
    Context().FrontFace(mode);
}
void glCullFace(GLenum mode) {
    Record("glCullFace", mode);
    Context().CullFace(mode);
}
void glHint(GLenum target, GLenum mode) {
    Record("glHint", target, mode);
    Context().Hint(target, mode);
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    Record("glViewport", x, y, width, height);
    Context().Viewport(x, y, width, height);
}
void glPushAttrib(GLbitfield mask) {
    Record("glPushAttrib", mask);
    Context().PushAttrib(mask);
}
void glPopAttrib() {
    Record("glPopAttrib");
    Context().PopAttrib();
}
void glPushClientAttrib(GLbitfield mask) {  // the pixel store is all it keeps
    Record("glPushClientAttrib", mask);
    Context().PushClientAttrib();
}
void glPopClientAttrib() {
    Record("glPopClientAttrib");
    Context().PopClientAttrib();
}
void glPixelStorei(GLenum name, GLint value) {
    Record("glPixelStorei", name, value);
    Context().PixelStore(name, value);
}
void glGetIntegerv(GLenum name, GLint* values) {
    Record("glGetIntegerv", name);
    if (!Context().GetIntegers(name, values)) ::glGetIntegerv(name, values);
}
void glGetFloatv(GLenum name, GLfloat* values) {
    Record("glGetFloatv", name);
    if (!Context().GetFloats(name, values)) ::glGetFloatv(name, values);
}
GLenum glGetError() {
    Record("glGetError");
    return Context().TakeError();
}
const GLubyte* glGetString(GLenum name) {
    Record("glGetString", name);
    return ::glGetString(name);
}
void glFinish() {
    Record("glFinish");
    Context().Flush();
    ::glFinish();
}
void glFlush() {
    Record("glFlush");
    Context().Flush();
}
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid* pixels) {
    Record("glReadPixels", x, y, width, height, format, type);
    Context().ReadPixels(x, y, width, height, format, type, pixels);
}

void glMatrixMode(GLenum mode) {
    Record("glMatrixMode", mode);
    Context().MatrixMode(mode);
}
void glLoadIdentity() {
    Record("glLoadIdentity");
    Context().Matrices().LoadIdentity();
}
void glPushMatrix() {
    Record("glPushMatrix");
    Context().PushMatrix();
}
void glPopMatrix() {
    Record("glPopMatrix");
    Context().PopMatrix();
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    Record("glOrtho", left, right, bottom, top, zNear, zFar);
    const auto f = [](GLdouble value) { return static_cast<float>(value); };
    Context().Matrices().Multiply({f(2 / (right - left)), 0, 0, 0, 0, f(2 / (top - bottom)), 0, 0, 0, 0,
                                   f(-2 / (zFar - zNear)), 0, f(-(right + left) / (right - left)),
                                   f(-(top + bottom) / (top - bottom)), f(-(zFar + zNear) / (zFar - zNear)), 1});
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Record("glTranslatef", x, y, z);
    Context().Matrices().Multiply({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}
void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
    Record("glRotatef", degrees, x, y, z);
    const double length = std::sqrt(static_cast<double>(x * x + y * y + z * z));
    if (length == 0.0) return;
    // The angle in single precision, as Mesa's desktop OpenGL takes its sine and cosine: a
    // turned sprite's edge then falls on the same side of a pixel centre.
    const auto radians = static_cast<float>(degrees * 3.14159265358979323846 / 180.0);
    const double c = std::cos(radians), s = std::sin(radians), d = 1.0 - c;
    const double u = x / length, v = y / length, w = z / length;
    const auto f = [](double value) { return static_cast<float>(value); };
    Context().Matrices().Multiply({f(u * u * d + c), f(v * u * d + w * s), f(u * w * d - v * s), 0,
                                   f(u * v * d - w * s), f(v * v * d + c), f(v * w * d + u * s), 0,
                                   f(u * w * d + v * s), f(v * w * d - u * s), f(w * w * d + c), 0, 0, 0, 0, 1});
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    Record("glScalef", x, y, z);
    Context().Matrices().Multiply({x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1});
}

void glBegin(GLenum mode) {
    Record("glBegin", mode);
    Context().Begin(mode);
}
void glEnd() {
    Record("glEnd");
    Context().End();
}
void glVertex2f(GLfloat x, GLfloat y) {
    Record("glVertex2f", x, y);
    Context().Vertex(x, y);
}
void glVertex2i(GLint x, GLint y) {
    Record("glVertex2i", x, y);
    Context().Vertex(static_cast<float>(x), static_cast<float>(y));
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    Record("glTexCoord2f", s, t);
    Context().TexCoord(s, t);
}
void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    Record("glColor4f", red, green, blue, alpha);
    const GLfloat color[4] = {red, green, blue, alpha};
    Context().Color(color);
}
void glColor4fv(const GLfloat* color) {
    Record("glColor4fv", color[0], color[1], color[2], color[3]);
    Context().Color(color);
}

void glGenTextures(GLsizei count, GLuint* names) {
    Record("glGenTextures", count);
    Context().GenTextures(count, names);
}
void glBindTexture(GLenum target, GLuint name) {
    Record("glBindTexture", target, name);
    if (!IsTexture2D("glBindTexture", target)) return;
    Context().BindTexture(name);
}
void glTexParameteri(GLenum target, GLenum name, GLint value) {
    Record("glTexParameteri", target, name, value);
    if (!IsTexture2D("glTexParameteri", target)) return;
    Context().TexParameter(name, value);
}
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const GLvoid* pixels) {
    if (IsRecording()) {
        const int bits = (format == GL_RGBA || format == GL_BGRA_EXT) ? 32 : 24;
        Record("glTexImage2D", target, level, internalFormat, width, height, border, format, type,
               Hash(pixels, ImageBytes(width, height, bits)));
    }
    if (!IsTexture2D("glTexImage2D", target)) return;
    if (level != 0 || border != 0) {
        return Context().Refuse(GL_INVALID_VALUE, "glTexImage2D(level %d, border %d): one level without border only",
                                level, border);
    }
    Context().TexImage(internalFormat, width, height, format, type, pixels);
}

GLuint glGenLists(GLsizei range) {
    Record("glGenLists", range);
    return Context().Lists().GenLists(range);
}
void glNewList(GLuint list, GLenum mode) {
    Record("glNewList", list, mode);
    if (mode != GL_COMPILE) return Context().Refuse(GL_INVALID_ENUM, "glNewList(%u, 0x%X): lists are compiled only", list, mode);
    Context().Lists().NewList(list);
}
void glEndList() {
    Record("glEndList");
    Context().Lists().EndList();
}
void glListBase(GLuint base) {
    Record("glListBase", base);
    Context().Lists().SetListBase(base);
}
void glCallLists(GLsizei count, GLenum type, const GLvoid* lists) {
    if (IsRecording()) {
        Record("glCallLists", count, type, Hash(lists, static_cast<std::size_t>(count > 0 ? count : 0)));
    }
    Context().CallLists(count, type, static_cast<const GLubyte*>(lists));
}
void glRasterPos2f(GLfloat x, GLfloat y) {
    Record("glRasterPos2f", x, y);
    Context().RasterPos(x, y);
}
void glBitmap(GLsizei width, GLsizei height, GLfloat xOrigin, GLfloat yOrigin, GLfloat xMove, GLfloat yMove,
              const GLubyte* bitmap) {
    if (IsRecording()) {
        Record("glBitmap", width, height, xOrigin, yOrigin, xMove, yMove, Hash(bitmap, ImageBytes(width, height, 1)));
    }
    Context().Bitmap(width, height, xOrigin, yOrigin, xMove, yMove, bitmap);
}

void RecordCalls() { Context().CallLog().Start(); }
std::string StopRecordingCalls() { return Context().CallLog().Stop(); }
void SetFastPaths(unsigned on) { Context().SetFastPaths(on); }
void SetStrict(bool isStrict) { Context().SetStrict(isStrict); }
long DrawsIssued() { return Context().DrawsIssued(); }

}  // namespace Gl11
