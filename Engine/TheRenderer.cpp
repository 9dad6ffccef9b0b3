#include "TheRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "Platform/OpenGL.h"
#include "Platform/Platform.h"
#include "Platform/WindowsConstants.h"
#include "Texture.h"
#include "TheApplication.h"
#include "TheConsole.h"
#include "TheVideoSystem.h"

bool TheRenderer::_isInitialized = false;

namespace {

constexpr int CONSOLE_MODES = 3;
constexpr int CONSOLE_LINE_PITCH = 14;
constexpr int CONSOLE_BOX_MARGIN = 7;
constexpr float CONSOLE_TEXT_X = 2.0f;
constexpr float CONSOLE_BOX_ALPHA = 0.5f;
constexpr float FPS_RIGHT_OFFSET = 40.0f;
constexpr float FPS_BASELINE = 16.0f;
constexpr std::size_t TEXT_BUFFER_SIZE = 256;

constexpr std::uint32_t FONT_GLYPHS = 256;
constexpr std::uint32_t FONT_GLYPHS_FILLED = 255;  // byte 255 keeps an empty list
constexpr FontDescription BITMAP_FONT = {16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_SWISS | DEFAULT_PITCH,
                                         "Trebuchet MS"};

constexpr float DEGREES_TO_RADIANS = 0.017453292f;
constexpr float RADIANS_TO_DEGREES = 57.29578f;
constexpr double TWO_PI = 6.283185307179586;
constexpr int LEAST_CIRCLE_SEGMENTS = 12;

constexpr GLenum DISABLED_AT_START[] = {GL_CULL_FACE,          GL_DEPTH_TEST,          GL_DITHER,
                                        GL_FOG,                GL_LIGHTING,            GL_LINE_SMOOTH,
                                        GL_LINE_STIPPLE,       GL_POINT_SMOOTH,        GL_POLYGON_OFFSET_FILL,
                                        GL_POLYGON_OFFSET_LINE, GL_POLYGON_OFFSET_POINT, GL_POLYGON_SMOOTH,
                                        GL_POLYGON_STIPPLE,    GL_SCISSOR_TEST,        GL_STENCIL_TEST,
                                        GL_TEXTURE_2D};
constexpr GLenum FASTEST_HINTS[] = {GL_FOG_HINT, GL_LINE_SMOOTH_HINT, GL_PERSPECTIVE_CORRECTION_HINT,
                                    GL_POINT_SMOOTH_HINT, GL_POLYGON_SMOOTH_HINT};

// Text is cut to the 255 bytes of a text buffer.
int CutLength(std::size_t length) { return static_cast<int>(std::min(length, TEXT_BUFFER_SIZE - 1)); }

bool NeedsTransform(float rotationDegrees, const Vec2& scale) { return rotationDegrees != 0.0f || !(scale == Vec2::ONE); }

}  // namespace

TheRenderer::TheRenderer()
    : _clearDepth(1.0f), _fontListBase(0), _consoleMode(0), _showFps(false), _consoleShortLines(3), _boundTexture(0) {}

TheRenderer::~TheRenderer() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheRenderer was destroyed while running; Shutdown() should be called first!");
}

void TheRenderer::Startup() {
    theConsole.Printf("::: Initialization : Renderer (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheRenderer was initialized twice; either a second TheRenderer was started or Startup() was "
                      "called on an already-running system.");
    _SetFixedState();
    _BuildFont();
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Renderer (finished)\n");
}

void TheRenderer::Shutdown() {
    theConsole.Printf("::: Shutdown : Renderer (starting)\n");
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Renderer (finished)\n");
}

void TheRenderer::_SetFixedState() {
    glShadeModel(GL_FLAT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(_clearDepth);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glLineWidth(1.0f);
    glPointSize(1.0f);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    for (GLenum capability : DISABLED_AT_START) glDisable(capability);
    for (GLenum hint : FASTEST_HINTS) glHint(hint, GL_FASTEST);
}

// The font is selected into the window's device context only while its glyphs are made.
void TheRenderer::_BuildFont() {
    const DeviceContextHandle dc = theVideoSystem.GetDeviceContext();
    const FontHandle font = Platform::CreateFontIndirectA(BITMAP_FONT);
    const FontHandle previousFont = Platform::SelectObject(dc, font);
    _fontListBase = glGenLists(FONT_GLYPHS);
    Platform::UseFontBitmaps(dc, 0, FONT_GLYPHS_FILLED, _fontListBase);
    Platform::SelectObject(dc, previousFont);
    Platform::DeleteObject(font);
}

void TheRenderer::SetProjection(const Vec2& minCorner, const Vec2& maxCorner) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glOrtho(minCorner.x, maxCorner.x, minCorner.y, maxCorner.y, 0.0, 1.0);
}

void TheRenderer::ClearScreen(const Color& color) {
    glClearColor(color.r, color.g, color.b, color.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TheRenderer::BeginFrame() {
    glViewport(0, 0, theVideoSystem.GetWidth(), theVideoSystem.GetHeight());
    SetProjection(Vec2::ZERO, Vec2::ONE);
}

void TheRenderer::RenderOverlays() {
    if (!_isInitialized) return;
    _RenderConsole();
    _RenderFps();
}

void TheRenderer::CycleConsoleMode() { _consoleMode = (_consoleMode + 1) % CONSOLE_MODES; }

void TheRenderer::ToggleFpsDisplay() { _showFps = !_showFps; }

void TheRenderer::SetColor(const Color& color) { glColor4fv(color.AsArray()); }

void TheRenderer::BindTexture(int textureName, bool force) {
    if (!force && textureName == _boundTexture) return;
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureName));
    _boundTexture = textureName;
}

void TheRenderer::DrawQuad(int textureName, const Vec2& minCorner, const Vec2& maxCorner, const Vec2& texMin,
                           const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color,
                           bool textured) {
    if (NeedsTransform(rotationDegrees, scale)) {
        glPushMatrix();
        const Vec2 center = 0.5f * (minCorner + maxCorner);
        glTranslatef(center.x, center.y, 0.0f);
        glRotatef(rotationDegrees * DEGREES_TO_RADIANS * RADIANS_TO_DEGREES, 0.0f, 0.0f, 1.0f);
        glTranslatef(-center.x, -center.y, 0.0f);
        glTranslatef(center.x, center.y, 0.0f);
        glScalef(scale.x, scale.y, 0.0f);
        glTranslatef(-center.x, -center.y, 0.0f);
    }
    if (textured) {
        glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT);
        glEnable(GL_TEXTURE_2D);
        glShadeModel(GL_FLAT);
    }
    if (textureName > 0) BindTexture(textureName, false);
    SetColor(color);
    glBegin(GL_QUADS);
    glTexCoord2f(texMin.x, texMin.y);
    glVertex2f(minCorner.x, minCorner.y);
    glTexCoord2f(texMin.x, texMax.y);
    glVertex2f(minCorner.x, maxCorner.y);
    glTexCoord2f(texMax.x, texMax.y);
    glVertex2f(maxCorner.x, maxCorner.y);
    glTexCoord2f(texMax.x, texMin.y);
    glVertex2f(maxCorner.x, minCorner.y);
    glEnd();
    if (textured) glPopAttrib();
    if (NeedsTransform(rotationDegrees, scale)) glPopMatrix();
}

void TheRenderer::DrawQuadCentered(int textureName, const Vec2& center, const Vec2& size, const Vec2& texMin,
                                   const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color,
                                   bool textured) {
    const Vec2 half = 0.5f * size;
    DrawQuad(textureName, center - half, center + half, texMin, texMax, rotationDegrees, scale, color, textured);
}

void TheRenderer::DrawSprite(const Texture& texture, const Vec2& center, const Vec2& size, const Vec2& texMin,
                             const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color,
                             bool textured) {
    DrawQuadCentered(static_cast<int>(texture._textureName), center, size, texMin, texMax, rotationDegrees, scale,
                     color, textured);
}

void TheRenderer::DrawCircle(const Vec2& center, float radius, const Color& color, int segments) {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glShadeModel(GL_SMOOTH);
    SetColor(color);
    int count = segments;
    if (segments == -1) {
        count = 8 - static_cast<int>(radius * -0.2f);
        if (count < LEAST_CIRCLE_SEGMENTS) count = LEAST_CIRCLE_SEGMENTS;
    }
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < count; ++i) {
        const double angle = (static_cast<double>(i) / count) * TWO_PI;
        glVertex2f(static_cast<float>(std::cos(angle) * radius + center.x),
                   static_cast<float>(std::sin(angle) * radius + center.y));
    }
    glEnd();
    glPopAttrib();
}

void TheRenderer::DrawText(const Vec2& position, const Color& color, const char* text, int length) {
    SetColor(color);  // before the raster position, which takes the current colour
    glListBase(_fontListBase);
    glRasterPos2f(position.x, position.y);
    glCallLists(length, GL_UNSIGNED_BYTE, text);
}

void TheRenderer::DrawTextf(float x, float y, const char* format, ...) {
    char text[TEXT_BUFFER_SIZE];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(text, sizeof(text), format, arguments);
    va_end(arguments);
    DrawText(Vec2(x, y), Color::WHITE, text, CutLength(std::strlen(text)));
}

void TheRenderer::DrawTextf(float x, float y, const Color& color, const char* format, ...) {
    char text[TEXT_BUFFER_SIZE];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(text, sizeof(text), format, arguments);
    va_end(arguments);
    DrawText(Vec2(x, y), color, text, CutLength(std::strlen(text)));
}

// Pixels, origin top left, y down.
void TheRenderer::_SetOverlayProjection() {
    const auto width = static_cast<float>(theVideoSystem.GetWidth());
    const auto height = static_cast<float>(theVideoSystem.GetHeight());
    SetProjection(Vec2(0.0f, height), Vec2(width, 0.0f));
}

void TheRenderer::_RenderConsole() {
    if (_consoleMode == 0) return;
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    _SetOverlayProjection();
    const int width = theVideoSystem.GetWidth();
    const int height = theVideoSystem.GetHeight();
    const bool isShort = _consoleMode == 1;
    const int boxHeight = isShort ? _consoleShortLines * CONSOLE_LINE_PITCH + CONSOLE_BOX_MARGIN : height;
    int visible = height / CONSOLE_LINE_PITCH;
    if (isShort && visible > _consoleShortLines) visible = _consoleShortLines;
    const int last = theConsole.GetLastLineIndex();
    int start = last - visible + 1;
    if (start < theConsole.GetFirstLineIndex()) start = theConsole.GetFirstLineIndex();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, CONSOLE_BOX_ALPHA);
    glBegin(GL_QUADS);
    glVertex2i(0, 0);
    glVertex2i(width, 0);
    glVertex2i(width, boxHeight);
    glVertex2i(0, boxHeight);
    glEnd();

    int y = 0;
    for (int i = start; i <= last; ++i) {
        y += CONSOLE_LINE_PITCH;
        // Drawn as stored (it was formatted when printed), cut like all text.
        const std::string& line = theConsole.GetLine(i);
        DrawText(Vec2(CONSOLE_TEXT_X, static_cast<float>(y)), i == last ? Color::ORANGE : Color::WHITE, line.c_str(),
                 CutLength(line.size()));
    }
    glPopAttrib();
}

void TheRenderer::_RenderFps() {
    if (!_showFps) return;
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    _SetOverlayProjection();
    if (_consoleMode != 0) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_ZERO);  // readable on any background
    }
    DrawTextf(static_cast<float>(theVideoSystem.GetWidth()) - FPS_RIGHT_OFFSET, FPS_BASELINE, Color::ORANGE,
              "%.0f fps", static_cast<double>(theApplication.GetFramesPerSecond()));
    glPopAttrib();
}
