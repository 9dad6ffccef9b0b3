// Quads, sprites, circles and textures drawn by the real renderer, read back pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "../unit/TestSupport.h"
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

}  // namespace

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
              "shade 1D00 clear 0 0 0 0 depth 1 203 line 1 point 1 front 901 cull 405 off on off off off off off off off "
              "off off off off off off off off off fastest fastest fastest fastest fastest");
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
