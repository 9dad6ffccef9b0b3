#include "RenderFixture.h"

#include <cstdio>
#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheConsole.h"
#include "Engine/TheGameInterfaceAbstract.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"

namespace {

constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;

// The real window and context, made once for the whole run.
class RenderEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
#if defined(CRIBBLESTORM_GLES2)
        SetStrict(true);  // a call the subset does not carry out ends the test program, named
#endif
        TheGameInterfaceAbstract::GetInstance()->PreInit();  // the real game: its name and mode
        theConsole.Startup();
        theVideoSystem.Startup();
        theRenderer.Startup();
        glGetIntegerv(GL_BLEND_SRC, &RenderTest::startupBlendSource);
        glGetIntegerv(GL_BLEND_DST, &RenderTest::startupBlendDestination);
        RenderTest::startupState = FixedState();
    }
    void TearDown() override {
        theRenderer.Shutdown();
        theVideoSystem.Shutdown();
        theConsole.Shutdown();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new RenderEnvironment);

}  // namespace

std::vector<std::uint8_t> ReadRect(int x, int y, int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

namespace {

void LitSpan(const std::vector<std::uint8_t>& pixels, int* first, int* last) {
    *first = -1;
    *last = -1;
    for (std::size_t i = 0; i < pixels.size() / 3; ++i) {
        if (pixels[i * 3] + pixels[i * 3 + 1] + pixels[i * 3 + 2] == 0) continue;
        if (*first < 0) *first = static_cast<int>(i);
        *last = static_cast<int>(i);
    }
}

}  // namespace

int RenderTest::startupBlendSource = 0;
int RenderTest::startupBlendDestination = 0;
std::string RenderTest::startupState;

std::string FixedState() {
    GLint shadeModel = 0, depthFunction = 0, frontFace = 0, cullFace = 0;
    GLfloat clearColor[4] = {}, clearDepth = 0, lineWidth = 0, pointSize = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shadeModel);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
    char text[256];
    std::snprintf(text, sizeof(text), "shade %X clear %g %g %g %g depth %g %X line %g point %g front %X cull %X",
                  shadeModel, clearColor[0], clearColor[1], clearColor[2], clearColor[3], clearDepth, depthFunction,
                  lineWidth, pointSize, frontFace, cullFace);
    std::string state = text;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    state += " viewport " + std::to_string(viewport[0]) + " " + std::to_string(viewport[1]) + " " +
             std::to_string(viewport[2]) + " " + std::to_string(viewport[3]);
    for (GLenum capability : {GL_ALPHA_TEST, GL_BLEND, GL_CULL_FACE, GL_DEPTH_TEST, GL_DITHER, GL_FOG, GL_LIGHTING,
                              GL_LINE_SMOOTH, GL_LINE_STIPPLE, GL_POINT_SMOOTH, GL_POLYGON_OFFSET_FILL,
                              GL_POLYGON_OFFSET_LINE, GL_POLYGON_OFFSET_POINT, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE,
                              GL_SCISSOR_TEST, GL_STENCIL_TEST, GL_TEXTURE_2D}) {
        state += glIsEnabled(capability) ? " on" : " off";
    }
    for (GLenum hint : {GL_FOG_HINT, GL_LINE_SMOOTH_HINT, GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT,
                        GL_POLYGON_SMOOTH_HINT}) {
        GLint mode = 0;
        glGetIntegerv(hint, &mode);
        state += mode == GL_FASTEST ? " fastest" : " other";
    }
    return state;
}

void RenderTest::SetUp() {
    theRenderer.ClearScreen(Color::BLACK);
    theRenderer.BeginFrame();
    theRenderer.SetProjection(Vec2::ZERO, Vec2(WIDTH, HEIGHT));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void FillScreen(const Color& color) {
    theRenderer.DrawQuad(0, Vec2::ZERO, Vec2(WIDTH, HEIGHT), Vec2::ZERO, Vec2::ONE, 0.0f, Vec2::ONE, color, false);
}

Pixel ReadPixel(int x, int y) {
    const std::vector<std::uint8_t> pixel = ReadRect(x, y, 1, 1);
    return Pixel{pixel[0], pixel[1], pixel[2]};
}

void LitSpanInRow(int y, int* first, int* last) { LitSpan(ReadRect(0, y, WIDTH, 1), first, last); }

void LitSpanInColumn(int x, int* first, int* last) { LitSpan(ReadRect(x, 0, 1, HEIGHT), first, last); }

Bounds BoundsOf(const Pixel& colour, int left, int top, int right, int bottom) {
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    const std::vector<std::uint8_t> pixels = ReadRect(left, HEIGHT - 1 - bottom, width, height);
    Bounds bounds = {-1, -1, -1, -1};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::uint8_t* rgb = &pixels[(static_cast<std::size_t>(row) * width + column) * 3];
            if (!(Pixel{rgb[0], rgb[1], rgb[2]} == colour)) continue;
            const int x = left + column;
            const int y = bottom - row;  // read rows run upwards
            if (bounds.left < 0 || x < bounds.left) bounds.left = x;
            if (x > bounds.right) bounds.right = x;
            if (bounds.top < 0 || y < bounds.top) bounds.top = y;
            if (y > bounds.bottom) bounds.bottom = y;
        }
    }
    return bounds;
}

void PrintTo(const Pixel& pixel, std::ostream* stream) {
    *stream << "(" << pixel.red << ", " << pixel.green << ", " << pixel.blue << ")";
}
