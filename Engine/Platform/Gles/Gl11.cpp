// The OpenGL 1.1 entry points of the subset, each handed to the one GlesContext. ES 2's
// header comes first, so that its definitions of the shared constants stand.
#include <cmath>

#include "GlesContext.h"
#include "Gl11.h"

namespace Gl11 {

namespace {

GlesContext& Context() { return GlesContext::Current(); }

}  // namespace

void glEnable(GLenum capability) { Context().SetEnabled(capability, true); }
void glDisable(GLenum capability) { Context().SetEnabled(capability, false); }
GLboolean glIsEnabled(GLenum capability) { return Context().IsEnabled(capability) ? GL_TRUE : GL_FALSE; }
void glShadeModel(GLenum mode) { Context().ShadeModel(mode); }
void glBlendFunc(GLenum source, GLenum destination) { Context().BlendFunc(source, destination); }
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    Context().ClearColor({red, green, blue, alpha});
}
void glClearDepth(GLclampd depth) { Context().ClearDepth(static_cast<float>(depth)); }
void glClear(GLbitfield mask) { Context().Clear(mask); }
void glDepthFunc(GLenum function) { Context().SetMode(GL_DEPTH_FUNC, function); }
void glLineWidth(GLfloat width) { Context().LineWidth(width); }
void glPointSize(GLfloat size) { Context().PointSize(size); }
void glFrontFace(GLenum mode) { Context().SetMode(GL_FRONT_FACE, mode); }
void glCullFace(GLenum mode) { Context().SetMode(GL_CULL_FACE_MODE, mode); }
void glHint(GLenum target, GLenum mode) { Context().SetMode(target, mode); }
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) { Context().Viewport(x, y, width, height); }
void glPushAttrib(GLbitfield mask) { Context().PushAttrib(mask); }
void glPopAttrib() { Context().PopAttrib(); }
void glPushClientAttrib(GLbitfield) { Context().PushClientAttrib(); }  // the pixel store is all it keeps
void glPopClientAttrib() { Context().PopClientAttrib(); }
void glPixelStorei(GLenum name, GLint value) { Context().PixelStore(name, value); }
void glGetIntegerv(GLenum name, GLint* values) {
    if (!Context().GetIntegers(name, values)) ::glGetIntegerv(name, values);
}
void glGetFloatv(GLenum name, GLfloat* values) {
    if (!Context().GetFloats(name, values)) ::glGetFloatv(name, values);
}
GLenum glGetError() { return Context().TakeError(); }
const GLubyte* glGetString(GLenum name) { return ::glGetString(name); }
void glFinish() {
    Context().Flush();
    ::glFinish();
}
void glFlush() { Context().Flush(); }
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum, GLvoid* pixels) {
    Context().ReadPixels(x, y, width, height, format, pixels);
}

void glMatrixMode(GLenum mode) { Context().MatrixMode(mode); }
void glLoadIdentity() { Context().Matrices().LoadIdentity(); }
void glPushMatrix() { Context().PushMatrix(); }
void glPopMatrix() { Context().PopMatrix(); }
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    const auto f = [](GLdouble value) { return static_cast<float>(value); };
    Context().Matrices().Multiply({f(2 / (right - left)), 0, 0, 0, 0, f(2 / (top - bottom)), 0, 0, 0, 0,
                                   f(-2 / (zFar - zNear)), 0, f(-(right + left) / (right - left)),
                                   f(-(top + bottom) / (top - bottom)), f(-(zFar + zNear) / (zFar - zNear)), 1});
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    Context().Matrices().Multiply({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1});
}
void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
    const double length = std::sqrt(static_cast<double>(x * x + y * y + z * z));
    if (length == 0.0) return;
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), d = 1.0 - c;
    const double u = x / length, v = y / length, w = z / length;
    const auto f = [](double value) { return static_cast<float>(value); };
    Context().Matrices().Multiply({f(u * u * d + c), f(v * u * d + w * s), f(u * w * d - v * s), 0,
                                   f(u * v * d - w * s), f(v * v * d + c), f(v * w * d + u * s), 0,
                                   f(u * w * d + v * s), f(v * w * d - u * s), f(w * w * d + c), 0, 0, 0, 0, 1});
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    Context().Matrices().Multiply({x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1});
}

void glBegin(GLenum mode) { Context().Begin(mode); }
void glEnd() { Context().End(); }
void glVertex2f(GLfloat x, GLfloat y) { Context().Vertex(x, y); }
void glVertex2i(GLint x, GLint y) { Context().Vertex(static_cast<float>(x), static_cast<float>(y)); }
void glTexCoord2f(GLfloat s, GLfloat t) { Context().TexCoord(s, t); }
void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    const GLfloat color[4] = {red, green, blue, alpha};
    Context().Color(color);
}
void glColor4fv(const GLfloat* color) { Context().Color(color); }

void glGenTextures(GLsizei count, GLuint* names) { Context().GenTextures(count, names); }
void glBindTexture(GLenum, GLuint name) { Context().BindTexture(name); }
void glTexParameteri(GLenum, GLenum name, GLint value) { Context().TexParameter(name, value); }
void glTexImage2D(GLenum, GLint, GLint internalFormat, GLsizei width, GLsizei height, GLint, GLenum format,
                  GLenum type, const GLvoid* pixels) {
    Context().TexImage(internalFormat, width, height, format, type, pixels);
}

GLuint glGenLists(GLsizei range) { return Context().Lists().GenLists(range); }
void glNewList(GLuint list, GLenum) { Context().Lists().NewList(list); }
void glEndList() { Context().Lists().EndList(); }
void glListBase(GLuint base) { Context().Lists().SetListBase(base); }
void glCallLists(GLsizei count, GLenum, const GLvoid* lists) {
    Context().CallLists(count, static_cast<const GLubyte*>(lists));
}
void glRasterPos2f(GLfloat x, GLfloat y) { Context().RasterPos(x, y); }
void glBitmap(GLsizei width, GLsizei height, GLfloat xOrigin, GLfloat yOrigin, GLfloat xMove, GLfloat yMove,
              const GLubyte* bitmap) {
    Context().Bitmap(width, height, xOrigin, yOrigin, xMove, yMove, bitmap);
}

}  // namespace Gl11
