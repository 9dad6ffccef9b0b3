// Quads, sprites, circles and textures drawn by the real renderer, read back pixel by pixel.
#include <dlfcn.h>
#include <sys/resource.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../unit/TestSupport.h"
#include "Engine/AssertionFailure.h"
#include "Engine/Image.h"
#include "Engine/Platform/OpenGL.h"
#include "Engine/Texture.h"
#include "Engine/TheRenderer.h"
#include "RenderFixture.h"

namespace {

void DrawFlat(const Vec2& minCorner, const Vec2& maxCorner, float rotation, const Vec2& scale,
              const Color& color = Color::WHITE) {
    theRenderer.DrawQuad(0, minCorner, maxCorner, Vec2::ZERO, Vec2::ONE, rotation, scale, color, false);
}

std::vector<float> ModelView() {
    std::vector<float> matrix(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    return matrix;
}

// What is lit along row y and column x: [left, right] and [bottom, top], pixels inclusive.
void ExpectCovers(int x, int y, int left, int right, int bottom, int top) {
    int first = 0;
    int last = 0;
    LitSpanInRow(y, &first, &last);
    EXPECT_EQ(first, left);
    EXPECT_EQ(last, right);
    LitSpanInColumn(x, &first, &last);
    EXPECT_EQ(first, bottom);
    EXPECT_EQ(last, top);
}

class RendererTest : public RenderTest {};

// The font set-up's steps as they reached FreeType and OpenGL, recorded by this program's
// own functions in front of theirs: a font's face made, lists generated, the first list filled.
std::vector<std::string>& FontSteps() {
    static std::vector<std::string> steps;
    return steps;
}

GLuint lastListBase = 0;

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" FT_Error FT_New_Face(FT_Library library, const char* path, FT_Long index, FT_Face* face) {
    FontSteps().push_back("face");
    static const auto real = Real<FT_Error (*)(FT_Library, const char*, FT_Long, FT_Face*)>("FT_New_Face");
    return real(library, path, index, face);
}

extern "C" GLuint glGenLists(GLsizei range) {
    static const auto real = Real<GLuint (*)(GLsizei)>("glGenLists");
    lastListBase = real(range);
    FontSteps().push_back("lists " + std::to_string(range));
    return lastListBase;
}

extern "C" void glNewList(GLuint list, GLenum mode) {
    if (FontSteps().empty() || FontSteps().back().rfind("fill", 0) != 0) {
        FontSteps().push_back(list == lastListBase ? "fill the first" : "fill " + std::to_string(list));
    }
    static const auto real = Real<void (*)(GLuint, GLenum)>("glNewList");
    real(list, mode);
}

// The font is made (and selected) before its 256 lists are generated, and its glyphs fill
// the lists from the first one generated: at every start of the renderer in this program.
TEST_F(RendererTest, TheFontIsMadeBeforeItsListsAreGenerated) {
#if defined(CRIBBLESTORM_GLES2)
    GTEST_SKIP() << "our OpenGL's calls are no library's symbols that this program can stand in front of";
#endif
    std::vector<std::string> expected;
    while (expected.size() < std::max<std::size_t>(FontSteps().size(), 1)) {
        expected.insert(expected.end(), {"face", "lists 256", "fill the first"});
    }
    EXPECT_EQ(FontSteps(), expected);
}

TEST_F(RendererTest, RotatesAndScalesQuadsAboutTheirCentreAndLeavesTheMatrixAsFound) {
    const std::vector<float> before = ModelView();
    DrawFlat(Vec2(45, 40), Vec2(55, 60), 90.0f, Vec2::ONE);  // 10 x 20 at (50, 50), turned
    EXPECT_EQ(ModelView(), before);
    ExpectCovers(50, 50, 40, 59, 45, 54);  // width and height swap, the centre stays

    DrawFlat(Vec2(300, 300), Vec2(310, 310), 0.0f, Vec2(2, 1));
    EXPECT_EQ(ModelView(), before);
    ExpectCovers(305, 305, 295, 314, 300, 309);
}

TEST_F(RendererTest, BindsATextureOnlyWhenItIsNotTheOneLastBound) {
    GLuint names[2];
    glGenTextures(2, names);
    const auto first = static_cast<int>(names[0]);
    const auto second = static_cast<GLint>(names[1]);
    GLint bound = 0;
    theRenderer.BindTexture(first, true);
    glBindTexture(GL_TEXTURE_2D, names[1]);  // behind the renderer's back
    theRenderer.BindTexture(first, false);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, second);
    theRenderer.BindTexture(first, true);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, first);
}

TEST_F(RendererTest, CirclesRestoreTheStateTheyChange) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glShadeModel(GL_FLAT);
    theRenderer.DrawCircle(Vec2(512, 384), 10, Color::YELLOW, -1);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint shadeModel = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shadeModel);
    EXPECT_EQ(shadeModel, GL_FLAT);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    const Bounds ring = BoundsOf(Pixel{255, 255, 0}, 400, 300, 600, 500);
    EXPECT_NEAR(ring.left, 502, 1);
    EXPECT_NEAR(ring.right, 522, 1);
    EXPECT_NEAR(ring.top, 373, 1);
    EXPECT_NEAR(ring.bottom, 393, 1);
}

TEST_F(RendererTest, TexturesOfOddWidthsShowUprightUnderAYUpProjection) {
    EnterScratchFolder();
    for (const int bits : {24, 32}) {
        // Three texels a row, two rows; the first row in the file is the bottom of the picture.
        const int bytes = bits / 8;
        std::vector<std::uint8_t> pixels;
        const std::uint8_t colors[6][3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0},
                                           {255, 255, 255}, {0, 255, 255}, {255, 0, 255}};
        for (const auto& bgr : colors) {
            pixels.insert(pixels.end(), bgr, bgr + 3);
            if (bytes == 4) pixels.push_back(255);
        }
        WriteTga("odd.tga", 3, 2, bits, pixels);
        const Texture texture{Image("odd.tga")};
        // 11 pixels a texel, so that texel centres fall on pixel centres.
        theRenderer.DrawSprite(texture, Vec2(116.5f, 111), Vec2(33, 22), Vec2::ZERO, Vec2::ONE, 0.0f, Vec2::ONE,
                               Color::WHITE, true);
        EXPECT_EQ(ReadPixel(105, 105), (Pixel{255, 0, 0})) << bits;  // bottom left: the file's first texel
        EXPECT_EQ(ReadPixel(127, 105), (Pixel{0, 0, 255})) << bits;
        EXPECT_EQ(ReadPixel(105, 116), (Pixel{255, 255, 255})) << bits;
        EXPECT_EQ(ReadPixel(127, 116), (Pixel{255, 0, 255})) << bits;
    }
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizers' shadow memory does not live under an address-space limit
namespace {

constexpr int BIG_WIDTH = 8192;
constexpr int BIG_HEIGHT = 4096;
constexpr std::size_t BIG_BYTES = std::size_t{BIG_WIDTH} * BIG_HEIGHT * 3;

// Leaves the process this much address space beyond what it holds now, so that a picture's
// pixels fit once but not twice.
void LimitAddressSpaceTo(std::size_t moreBytes) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && line.rfind("VmSize:", 0) != 0) continue;
    const std::size_t heldBytes = std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
    rlimit limit = {};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = heldBytes + moreBytes;
    setrlimit(RLIMIT_AS, &limit);
}

void UnlimitAddressSpace() {
    rlimit limit = {};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_AS, &limit);
}

// An upload the driver has no memory for: its copy of BIG_BYTES.
void UploadWithoutMemory() {
    LimitAddressSpaceTo(BIG_BYTES / 2);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, BIG_WIDTH, BIG_HEIGHT, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, nullptr);
    UnlimitAddressSpace();
}

struct TextureFailed {
    std::string report;
};

}  // namespace

// A picture whose texture the driver has no memory for is fatal; an out-of-memory flag left
// by an earlier call is not this texture's failure.
TEST_F(RendererTest, ATextureWithoutMemoryIsFatalAndAnEarlierCallsFlagIsNot) {
    EnterScratchFolder();
    WriteTga("small.tga", 3, 2, 24, std::vector<std::uint8_t>(18, 90));
    SetAssertionHook([](const char* report) { throw TextureFailed{report}; });
    UploadWithoutMemory();
    EXPECT_NO_THROW(Texture{Image("small.tga")});
    UploadWithoutMemory();
    EXPECT_EQ(glGetError(), GL_OUT_OF_MEMORY);  // the flag that the texture above was made past
    Image image("small.tga");
    delete[] image._pixels;
    image._pixels = new std::uint8_t[BIG_BYTES];
    image._width = BIG_WIDTH;
    image._height = BIG_HEIGHT;
    std::string report;
    LimitAddressSpaceTo(BIG_BYTES / 2);
    try {
        const Texture texture(image);
    } catch (const TextureFailed& failure) {
        report = failure.report;
    }
    UnlimitAddressSpace();
    SetAssertionHook(nullptr);
    EXPECT_NE(report.find("Expression was: ( glGetError() != GL_OUT_OF_MEMORY )\n\n   Texture : cannot allocate "
                          "100663296 bytes for the texture of small.tga\n"),
              std::string::npos)
        << report;
}
#endif

TEST_F(RendererTest, StartsAdditiveAndAlphaBlendingCoversInstead) {
    EXPECT_EQ(startupBlendSource, GL_SRC_ALPHA);
    EXPECT_EQ(startupBlendDestination, GL_ONE);
    const Color halfGreen(0.0f, 1.0f, 0.0f, 0.5f);
    DrawFlat(Vec2(0, 0), Vec2(100, 10), 0.0f, Vec2::ONE, Color::RED);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    DrawFlat(Vec2(0, 0), Vec2(50, 10), 0.0f, Vec2::ONE, halfGreen);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawFlat(Vec2(50, 0), Vec2(100, 10), 0.0f, Vec2::ONE, halfGreen);
    EXPECT_EQ(ReadPixel(25, 5), (Pixel{255, 128, 0}));
    EXPECT_EQ(ReadPixel(75, 5), (Pixel{127, 128, 0}));
}

TEST_F(RendererTest, StartupSetsTheFixedState) {
    EXPECT_EQ(startupState,
              "shade 1D00 clear 0 0 0 0 depth 1 203 line 1 point 1 front 901 cull 405 viewport 0 0 1024 768 "
              "off on off off off off off off off off off off off off off off off off "
              "fastest fastest fastest fastest fastest");
}

// With the model-view stack full, a push would overflow: an unturned, unscaled quad makes
// none, a turned one does.
TEST_F(RendererTest, OnlyATurnedOrScaledQuadPushesTheMatrix) {
    GLint most = 0;
    GLint depth = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &most);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    const GLint start = depth;
    for (; depth < most; ++depth) glPushMatrix();
    while (glGetError() != GL_NO_ERROR) {
    }
    DrawFlat(Vec2(10, 10), Vec2(20, 20), 0.0f, Vec2::ONE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    DrawFlat(Vec2(10, 10), Vec2(20, 20), 0.0f, Vec2(2, 2));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_STACK_OVERFLOW));
    for (glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth); depth > start; --depth) glPopMatrix();
}
