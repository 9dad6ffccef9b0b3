// A sprite's quad cut to the texels that show: the cut keeps the quad's own mapping from place to
// texel and every texel linear filtering can take that is not transparent, and a quad is left
// whole where cutting could move an edge that shows. Pixel for pixel, whole frames are
// compare_frames.py's.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "Engine/Platform/Gles/GlesAlphaMap.h"
#include "Engine/Platform/Gles/GlesQuadTrim.h"

namespace {

constexpr GLint VIEWPORT[4] = {0, 0, 100, 100};
constexpr double MARGIN = 1.0 / 16.0;  // texels, for a sprite drawn texel for pixel

// An image of `width` x `height` texels, transparent but for the box given, which is opaque.
std::vector<GLubyte> ImageShowing(int width, int height, const GlesTexelBox& shown) {
    std::vector<GLubyte> texels(static_cast<std::size_t>(width * height * 4), 0);
    for (int y = shown.y0; y <= shown.y1; ++y) {
        for (int x = shown.x0; x <= shown.x1; ++x) texels[static_cast<std::size_t>((y * width + x) * 4 + 3)] = 255;
    }
    return texels;
}

GlesSampling SamplingOf(const GlesAlphaMap& alpha, int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    return GlesSampling{1, w, h, 0.0f, 0.0f, 0.0f, w, h, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE, false, false, &alpha};
}

// The quad of texels (u0, v0) to (u1, v1) drawn texel for pixel, turned by `degrees` about
// (50, 50), as the two triangles the subset makes of it; with `isTransposed` its texture runs
// the other way round (t along its first side).
struct Sprite {
    double u0, v0, u1, v1;
    double degrees;
    bool isTransposed;
    double pixelsPerTexel = 1.0;
};

// Where a texel coordinate of the sprite is drawn, in pixels.
void PixelOf(const Sprite& sprite, double u, double v, double* x, double* y) {
    const double radians = sprite.degrees * 3.14159265358979 / 180.0;
    const double along[2] = {(u - sprite.u0) * sprite.pixelsPerTexel, (v - sprite.v0) * sprite.pixelsPerTexel};
    *x = 50.0 + std::cos(radians) * along[0] - std::sin(radians) * along[1];
    *y = 50.0 + std::sin(radians) * along[0] + std::cos(radians) * along[1];
}

// The corner at (a, b) of the quad's two sides, its texture running along them.
GlesVertex CornerOf(const Sprite& sprite, int width, int height, double a, double b) {
    const double u = sprite.u0 + (sprite.u1 - sprite.u0) * (sprite.isTransposed ? b : a);
    const double v = sprite.v0 + (sprite.v1 - sprite.v0) * (sprite.isTransposed ? a : b);
    double x = 0;
    double y = 0;
    PixelOf(sprite, u, v, &x, &y);
    return GlesVertex{static_cast<float>(x / 50.0 - 1.0), static_cast<float>(y / 50.0 - 1.0), 0.0f, 1.0f,
                      static_cast<float>(u / width), static_cast<float>(v / height), 1.0f, 1.0f, 1.0f, 1.0f};
}

std::vector<GlesVertex> QuadOf(const Sprite& sprite, int width, int height) {
    static constexpr double CORNERS[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    std::vector<GlesVertex> quad;
    for (const auto& corner : CORNERS) quad.push_back(CornerOf(sprite, width, height, corner[0], corner[1]));
    return quad;
}

bool IsSame(const std::vector<GlesVertex>& a, const std::vector<GlesVertex>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].s != b[i].s || a[i].t != b[i].t) return false;
    }
    return true;
}

}  // namespace

// Texels 4 to 7 across and 3 to 8 up show in an image of 12 x 12: turned any way, the quad
// keeps from half a texel (and the rounding margin) before the first to one and a half after
// the last, each corner drawn where the whole quad drew its texel.
// Shrunk to a quarter, a pixel's rounding spans four times the texels.
TEST(GlesQuadTrimTest, ACutQuadKeepsTheTexelsThatShowWhereTheyWereDrawn) {
    const std::vector<GLubyte> texels = ImageShowing(12, 12, {4, 3, 7, 8});
    const GlesAlphaMap alpha(texels.data(), 12, 12);
    const GlesSampling sampling = SamplingOf(alpha, 12, 12);
    for (const double degrees : {0.0, 30.0, 90.0, 200.0, -1.0}) {
        for (const bool isTransposed : {false, true}) {
            const bool isShrunk = degrees < 0.0;
            const Sprite sprite = {1, 1, 11, 11, isShrunk ? 30.0 : degrees, isTransposed, isShrunk ? 0.25 : 1.0};
            const double margin = isShrunk ? 4.0 * MARGIN : MARGIN;
            std::vector<GlesVertex> quad = QuadOf(sprite, 12, 12);
            ASSERT_TRUE(GlesQuadTrim::Trim(sampling, VIEWPORT, quad.data()));
            double low[2] = {99, 99};
            double high[2] = {-99, -99};
            for (const GlesVertex& corner : quad) {
                const double texel[2] = {corner.s * 12.0, corner.t * 12.0};
                for (int axis = 0; axis < 2; ++axis) {
                    low[axis] = std::min(low[axis], texel[axis]);
                    high[axis] = std::max(high[axis], texel[axis]);
                }
                double x = 0;
                double y = 0;
                PixelOf(sprite, texel[0], texel[1], &x, &y);
                EXPECT_NEAR((corner.x + 1.0) * 50.0, x, 1e-4) << degrees << " degrees";
                EXPECT_NEAR((corner.y + 1.0) * 50.0, y, 1e-4) << degrees << " degrees";
            }
            EXPECT_NEAR(low[0], 3.5 - margin, 1e-5);
            EXPECT_NEAR(low[1], 2.5 - margin, 1e-5);
            EXPECT_NEAR(high[0], 8.5 + margin, 1e-5);
            EXPECT_NEAR(high[1], 9.5 + margin, 1e-5);
        }
    }
}

// Left whole: a quad whose image shows at its edge, one of several colours, two that are not
// parallelograms (a corner moved across, a corner moved up). Dropped: one whose texels are all transparent.
TEST(GlesQuadTrimTest, QuadsThatCuttingCouldChangeAreLeftWholeAndThoseShowingNothingGo) {
    const std::vector<GLubyte> texels = ImageShowing(12, 12, {4, 3, 7, 8});
    const GlesAlphaMap alpha(texels.data(), 12, 12);
    const GlesSampling sampling = SamplingOf(alpha, 12, 12);
    std::vector<GlesVertex> edge = QuadOf({4, 1, 11, 11, 30, false}, 12, 12);
    std::vector<GlesVertex> colours = QuadOf({1, 1, 11, 11, 30, false}, 12, 12);
    colours[1].red = 0.5f;
    std::vector<GlesVertex> kite = QuadOf({1, 1, 11, 11, 30, false}, 12, 12);
    kite[2].x += 0.01f;
    std::vector<GlesVertex> raised = QuadOf({1, 1, 11, 11, 30, false}, 12, 12);
    raised[2].y += 0.01f;
    for (const std::vector<GlesVertex>* quad : {&edge, &colours, &kite, &raised}) {
        std::vector<GlesVertex> cut = *quad;
        EXPECT_TRUE(GlesQuadTrim::Trim(sampling, VIEWPORT, cut.data()));
        EXPECT_TRUE(IsSame(cut, *quad));
    }
    std::vector<GlesVertex> nothing = QuadOf({9, 1, 11, 11, 30, false}, 12, 12);
    EXPECT_FALSE(GlesQuadTrim::Trim(sampling, VIEWPORT, nothing.data()));
}

// Against counting texel by texel, on scattered texels and boxes.
TEST(GlesQuadTrimTest, TheAlphaMapFindsTheBoxOfTheTexelsThatShow) {
    constexpr int WIDTH = 20;
    constexpr int HEIGHT = 15;
    std::mt19937 random(7);
    std::vector<GLubyte> texels(WIDTH * HEIGHT * 4, 0);
    for (int i = 0; i < 12; ++i) {
        texels[(random() % (WIDTH * HEIGHT)) * 4 + 3] = static_cast<GLubyte>(1 + random() % 255);
    }
    const GlesAlphaMap alpha(texels.data(), WIDTH, HEIGHT);
    for (int trial = 0; trial < 500; ++trial) {
        const int x0 = static_cast<int>(random() % WIDTH);
        const int y0 = static_cast<int>(random() % HEIGHT);
        const GlesTexelBox box = {x0, y0, x0 + static_cast<int>(random() % (WIDTH - x0)),
                                  y0 + static_cast<int>(random() % (HEIGHT - y0))};
        GlesTexelBox expected = {WIDTH, HEIGHT, -1, -1};
        for (int y = box.y0; y <= box.y1; ++y) {
            for (int x = box.x0; x <= box.x1; ++x) {
                if (texels[static_cast<std::size_t>((y * WIDTH + x) * 4 + 3)] == 0) continue;
                expected = {std::min(expected.x0, x), std::min(expected.y0, y), std::max(expected.x1, x),
                            std::max(expected.y1, y)};
            }
        }
        GlesTexelBox seen = {};
        const bool isSeen = alpha.SeenBox(box, &seen);
        ASSERT_EQ(isSeen, expected.x1 >= 0) << trial;
        EXPECT_EQ(alpha.IsClear(box), !isSeen);
        if (!isSeen) continue;
        EXPECT_EQ(seen.x0, expected.x0) << trial;
        EXPECT_EQ(seen.y0, expected.y0) << trial;
        EXPECT_EQ(seen.x1, expected.x1) << trial;
        EXPECT_EQ(seen.y1, expected.y1) << trial;
    }
    EXPECT_FALSE(alpha.IsClear({-1, 0, 0, 0}));
    const std::vector<GLubyte> clear(4 * 2 * 4, 0);
    const GlesAlphaMap clearMap(clear.data(), 4, 2);
    EXPECT_TRUE(clearMap.IsClear({0, 0, 3, 1}));
    EXPECT_FALSE(clearMap.IsClear({4, 0, 4, 0}));  // outside, a column past the last
}
