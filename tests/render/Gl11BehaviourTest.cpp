// What OpenGL 1.1 does with the renderer's calls where a lesser implementation could cut a
// corner: clamped edges, texels on pixels, long primitives, colour clamping and modulation,
// blending over opaque pictures, incomplete textures, flat lines, internal formats, depth
// clears, textures uploaded alike and the point group. Read back pixel by pixel, through
// whichever OpenGL the program is built with. (An upload that memory cannot hold is
// RendererTest's.)
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheRenderer.h"
#include "RenderFixture.h"

namespace {

constexpr GLenum NO_FILTER = 0;  // leaves the minifying filter at OpenGL's mipmapped default

GLuint MakeTexture(int width, int height, GLint internalFormat, GLenum format, const std::vector<GLubyte>& texels,
                   GLenum filter = GL_LINEAR, GLint alignment = 1) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    if (filter != NO_FILTER) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(filter));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(filter));
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, texels.data());
    return name;
}

void DrawTextured(GLuint name, const Vec2& minCorner, const Vec2& maxCorner, const Color& color) {
    theRenderer.BindTexture(static_cast<int>(name), true);
    theRenderer.DrawQuad(static_cast<int>(name), minCorner, maxCorner, Vec2::ZERO, Vec2::ONE, 0.0f, Vec2::ONE, color,
                         true);
}

// How much of a clamped, linearly filtered row of `texels` texels is texture rather than
// border at pixel `pixel` of `pixels` pixels magnifying it.
double TextureShare(int pixel, int pixels, int texels) {
    const double u = (pixel + 0.5) / pixels * texels - 0.5;
    const int first = static_cast<int>(std::floor(u));
    const double second = u - first;
    return (first >= 0 ? 1.0 - second : 0.0) + (first + 1 < texels ? second : 0.0);
}

class Gl11BehaviourTest : public RenderTest {};

}  // namespace

// GL_CLAMP blends the (transparent black) border into the outer half texel: white under
// alpha blending fades to the share of texture squared at both ends of a row.
TEST_F(Gl11BehaviourTest, ClampedLinearTexturesFadeIntoTheBorder) {
    const GLuint white = MakeTexture(4, 4, GL_RGBA, GL_BGRA_EXT, std::vector<GLubyte>(4 * 4 * 4, 255));
    DrawTextured(white, Vec2(100, 100), Vec2(164, 164), Color::WHITE);
    const std::vector<std::uint8_t> row = ReadRect(100, 132, 64, 1);
    for (int x = 0; x < 64; ++x) {
        const double share = TextureShare(x, 64, 4);
        EXPECT_NEAR(row[static_cast<std::size_t>(x) * 3], 255 * share * share, 1.5) << "pixel " << x;
    }
    EXPECT_EQ(ReadPixel(90, 132), (Pixel{0, 0, 0}));
}

// Drawn texel for pixel, linear filtering takes each texel whole, edges included; half a
// pixel off, it mixes neighbours half and half.
TEST_F(Gl11BehaviourTest, LinearFilteringTakesTexelsWholeOnlyWhereTheyLieOnPixels) {
    const std::vector<GLubyte> stripes = {0, 0, 200, 255, 0, 200, 0, 255, 200, 0, 0, 255, 0, 0, 200, 255};
    const GLuint texture = MakeTexture(4, 1, GL_RGBA, GL_BGRA_EXT, stripes);
    DrawTextured(texture, Vec2(100, 100), Vec2(104, 101), Color::WHITE);
    EXPECT_EQ(ReadPixel(100, 100), (Pixel{200, 0, 0}));
    EXPECT_EQ(ReadPixel(101, 100), (Pixel{0, 200, 0}));
    EXPECT_EQ(ReadPixel(102, 100), (Pixel{0, 0, 200}));
    EXPECT_EQ(ReadPixel(103, 100), (Pixel{200, 0, 0}));
    DrawTextured(texture, Vec2(200.5f, 100), Vec2(204.5f, 101), Color::WHITE);
    const Pixel mixed = ReadPixel(201, 100);
    EXPECT_NEAR(mixed.red, 100, 1);
    EXPECT_NEAR(mixed.green, 100, 1);
}

TEST_F(Gl11BehaviourTest, PrimitivesOfMoreThanAThousandVerticesAreDrawnWhole) {
    theRenderer.DrawCircle(Vec2(512, 384), 300, Color::YELLOW, 1500);
    const Bounds ring = BoundsOf(Pixel{255, 255, 0}, 150, 50, 870, 720);
    EXPECT_NEAR(ring.left, 212, 1);
    EXPECT_NEAR(ring.right, 812, 1);
    EXPECT_NEAR(ring.top, 84, 1);
    EXPECT_NEAR(ring.bottom, 684, 1);

    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    for (int x = 0; x < 400; ++x) {  // 1,600 vertices, a one-pixel column each
        glVertex2i(x, 10);
        glVertex2i(x, 20);
        glVertex2i(x + 1, 20);
        glVertex2i(x + 1, 10);
    }
    glEnd();
    int first = 0;
    int last = 0;
    LitSpanInRow(15, &first, &last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 399);
}

// Colours are clamped to [0, 1] before they modulate a texel.
TEST_F(Gl11BehaviourTest, ColoursAboveOneAreClampedBeforeTheyModulate) {
    const GLuint grey = MakeTexture(1, 1, GL_RGB, GL_BGR_EXT, {64, 64, 64}, GL_NEAREST);
    DrawTextured(grey, Vec2(10, 10), Vec2(20, 20), Color(2, 2, 2, 1));
    EXPECT_EQ(ReadPixel(15, 15), (Pixel{64, 64, 64}));
    const GLuint quarter = MakeTexture(1, 1, GL_RGBA, GL_BGRA_EXT, {255, 255, 255, 64}, GL_NEAREST);
    DrawTextured(quarter, Vec2(30, 10), Vec2(40, 20), Color(1, 1, 1, 2));
    EXPECT_EQ(ReadPixel(35, 15), (Pixel{64, 64, 64}));
}

// Each quad's colour modulates its texels, between white ones drawn with the same texture.
TEST_F(Gl11BehaviourTest, EveryColourModulatesItsOwnQuad) {
    const GLuint light = MakeTexture(4, 4, GL_RGB, GL_BGR_EXT, std::vector<GLubyte>(4 * 4 * 3, 200));
    const Color colors[] = {Color(0.5f, 1, 1, 1), Color(1, 0.5f, 1, 1), Color(1, 1, 0.5f, 1)};
    const Pixel expected[] = {{100, 200, 200}, {200, 100, 200}, {200, 200, 100}};
    for (int i = 0; i < 3; ++i) {
        DrawTextured(light, Vec2(0, 0), Vec2(4, 4), Color::WHITE);
        DrawTextured(light, Vec2(10, 0), Vec2(14, 4), colors[i]);
        DrawTextured(light, Vec2(20, 0), Vec2(24, 4), Color::WHITE);
        EXPECT_EQ(ReadPixel(2, 2), (Pixel{200, 200, 200})) << "colour " << i;
        EXPECT_EQ(ReadPixel(12, 2), expected[i]) << "colour " << i;
    }
}

// Alpha blending over a background of 100: a picture without alpha drawn texel for pixel is
// opaque, and blends where the colour's alpha is one half, in the same batch; so does a
// picture whose alpha is one half. Magnified over black with that colour, such a picture's
// clamped edges fade into the border's black at half alpha: its border is opaque, even where
// a picture with alpha has the same texels.
TEST_F(Gl11BehaviourTest, PicturesWithoutAlphaAreOpaqueToTheirBordersAndTheRestBlends) {
    const GLuint background = MakeTexture(1, 1, GL_RGB, GL_BGR_EXT, {100, 100, 100}, GL_NEAREST);
    DrawTextured(background, Vec2(0, 0), Vec2(100, 100), Color::WHITE);
    std::vector<GLubyte> opaqueWithAlpha;
    for (int texel = 0; texel < 4 * 4; ++texel) opaqueWithAlpha.insert(opaqueWithAlpha.end(), {200, 200, 200, 255});
    MakeTexture(4, 4, GL_RGBA, GL_BGRA_EXT, opaqueWithAlpha);
    const GLuint light = MakeTexture(4, 4, GL_RGB, GL_BGR_EXT, std::vector<GLubyte>(4 * 4 * 3, 200));
    DrawTextured(light, Vec2(10, 10), Vec2(14, 14), Color::WHITE);
    DrawTextured(light, Vec2(20, 10), Vec2(24, 14), Color(1, 1, 1, 0.5f));
    const std::vector<GLubyte> halfAlpha = {200, 200, 200, 128, 200, 200, 200, 128};
    DrawTextured(MakeTexture(2, 1, GL_RGBA, GL_BGRA_EXT, halfAlpha), Vec2(30, 10), Vec2(32, 11), Color::WHITE);
    DrawTextured(light, Vec2(200, 10), Vec2(264, 74), Color(1, 1, 1, 0.5f));
    EXPECT_EQ(ReadPixel(12, 12), (Pixel{200, 200, 200}));
    EXPECT_NEAR(ReadPixel(22, 12).red, 150, 1);
    EXPECT_NEAR(ReadPixel(31, 10).red, 150, 1);
    EXPECT_NEAR(ReadPixel(200, 40).red, 100 * TextureShare(0, 64, 4), 1.5);
}

// A texture without its image, or whose minifying filter wants mipmaps it lacks, leaves the
// fragment its colour as if texturing were off.
TEST_F(Gl11BehaviourTest, AnIncompleteTextureDrawsUntextured) {
    const std::vector<GLubyte> red = {0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255};
    const GLuint mipmapped = MakeTexture(2, 2, GL_RGBA, GL_BGRA_EXT, red, NO_FILTER);
    DrawTextured(mipmapped, Vec2(10, 10), Vec2(20, 20), Color::GREEN);
    EXPECT_EQ(ReadPixel(15, 15), (Pixel{0, 255, 0}));
    GLuint empty = 0;
    glGenTextures(1, &empty);
    DrawTextured(empty, Vec2(30, 10), Vec2(40, 20), Color::BLUE);
    EXPECT_EQ(ReadPixel(35, 15), (Pixel{0, 0, 255}));
}

// Under flat shading segment i of a loop takes vertex i + 1's colour, the closing one the
// first vertex's.
TEST_F(Gl11BehaviourTest, AFlatShadedLineLoopColoursEachSegmentByItsProvokingVertex) {
    glShadeModel(GL_FLAT);
    const float corners[4][2] = {{100.5f, 100.5f}, {200.5f, 100.5f}, {200.5f, 200.5f}, {100.5f, 200.5f}};
    const Color colors[4] = {Color::RED, Color::GREEN, Color::BLUE, Color::WHITE};
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < 4; ++i) {
        glColor4fv(colors[i].AsArray());
        glVertex2f(corners[i][0], corners[i][1]);
    }
    glEnd();
    EXPECT_EQ(ReadPixel(150, 100), (Pixel{0, 255, 0}));
    EXPECT_EQ(ReadPixel(200, 150), (Pixel{0, 0, 255}));
    EXPECT_EQ(ReadPixel(150, 200), (Pixel{255, 255, 255}));
    EXPECT_EQ(ReadPixel(100, 150), (Pixel{255, 0, 0}));
}

// The internal format decides what is kept: RGB drops the data's alpha, RGBA gives data
// without alpha an opaque one.
TEST_F(Gl11BehaviourTest, TheInternalFormatDecidesWhetherAlphaIsKept) {
    const GLuint rgb = MakeTexture(2, 1, GL_RGB, GL_BGRA_EXT, {255, 0, 0, 0, 0, 0, 255, 0}, GL_NEAREST);
    DrawTextured(rgb, Vec2(10, 10), Vec2(30, 20), Color::WHITE);
    EXPECT_EQ(ReadPixel(15, 15), (Pixel{0, 0, 255}));
    EXPECT_EQ(ReadPixel(25, 15), (Pixel{255, 0, 0}));
    const GLuint rgba = MakeTexture(2, 1, GL_RGBA, GL_BGR_EXT, {0, 255, 0, 255, 255, 255}, GL_NEAREST);
    DrawTextured(rgba, Vec2(40, 10), Vec2(60, 20), Color::WHITE);
    EXPECT_EQ(ReadPixel(45, 15), (Pixel{0, 255, 0}));
    EXPECT_EQ(ReadPixel(55, 15), (Pixel{255, 255, 255}));
}

// A depth clear holds the value it was made with until the depth test reads it. The quads'
// depth is 0, so under GL_LESS only a buffer cleared to 1 lets them through.
TEST_F(Gl11BehaviourTest, TheDepthTestFindsWhatTheLastDepthClearLeft) {
    const auto drawWhite = [](float left) {
        theRenderer.DrawQuad(0, Vec2(left, 10), Vec2(left + 10, 20), Vec2::ZERO, Vec2::ONE, 0.0f, Vec2::ONE,
                             Color::WHITE, false);
    };
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    drawWhite(10);
    glClear(GL_DEPTH_BUFFER_BIT);
    drawWhite(30);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    EXPECT_EQ(ReadPixel(15, 15), (Pixel{0, 0, 0}));
    EXPECT_EQ(ReadPixel(35, 15), (Pixel{255, 255, 255}));
}

// Each texture keeps its own image: textures uploaded alike part when one gets another.
TEST_F(Gl11BehaviourTest, ATextureUploadedAgainLeavesItsTwinAsItWas) {
    const std::vector<GLubyte> red = {0, 0, 255};
    const GLuint first = MakeTexture(1, 1, GL_RGB, GL_BGR_EXT, red, GL_NEAREST);
    const GLuint second = MakeTexture(1, 1, GL_RGB, GL_BGR_EXT, red, GL_NEAREST);
    const GLuint third = MakeTexture(1, 1, GL_RGB, GL_BGR_EXT, red, GL_NEAREST);
    const GLubyte blue[3] = {255, 0, 0};
    glBindTexture(GL_TEXTURE_2D, second);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, blue);
    DrawTextured(first, Vec2(10, 10), Vec2(20, 20), Color::WHITE);
    DrawTextured(second, Vec2(30, 10), Vec2(40, 20), Color::WHITE);
    DrawTextured(third, Vec2(50, 10), Vec2(60, 20), Color::WHITE);
    EXPECT_EQ(ReadPixel(15, 15), (Pixel{255, 0, 0}));
    EXPECT_EQ(ReadPixel(35, 15), (Pixel{0, 0, 255}));
    EXPECT_EQ(ReadPixel(55, 15), (Pixel{255, 0, 0}));
}

// Uploads alike up to their very last texel are told apart, rows padded to four bytes or not;
// one alike to the end draws as its twin.
TEST_F(Gl11BehaviourTest, TexturesAlikeButForTheirLastTexelKeepTheirOwn) {
    const std::vector<GLubyte> bluesThenReds = {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 0,
                                                0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    std::vector<GLubyte> lastGreen = bluesThenReds;
    lastGreen[19] = 255;
    lastGreen[20] = 0;
    const std::vector<GLubyte>* const uploads[] = {&bluesThenReds, &lastGreen, &bluesThenReds};
    int left = 10;
    for (const std::vector<GLubyte>* texels : uploads) {
        DrawTextured(MakeTexture(3, 2, GL_RGB, GL_BGR_EXT, *texels, GL_NEAREST, 4), Vec2(left, 10), Vec2(left + 30, 30),
                     Color::WHITE);
        left += 40;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    EXPECT_EQ(ReadPixel(35, 25), (Pixel{255, 0, 0}));
    EXPECT_EQ(ReadPixel(55, 15), (Pixel{0, 0, 255}));
    EXPECT_EQ(ReadPixel(75, 25), (Pixel{0, 255, 0}));
    EXPECT_EQ(ReadPixel(115, 25), (Pixel{255, 0, 0}));
}

// The point group restores the point size; the groups the renderer pushes leave it alone.
TEST_F(Gl11BehaviourTest, ThePointGroupRestoresThePointSize) {
    glPushAttrib(GL_POINT_BIT);
    glPointSize(3.0f);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIGHTING_BIT);
    glPointSize(5.0f);
    glPopAttrib();
    GLfloat size = 0.0f;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 5.0f);
    glPopAttrib();
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 1.0f);
}
