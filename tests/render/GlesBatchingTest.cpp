// Batching is the subset's own business: a frame of Level02, drawn with each glEnd drawn at
// once and then batched, receives the same OpenGL 1.1 calls and gives the same pixels, in
// far fewer ES draws: sprites share pages, mines of one strip share one image, a line of text
// is one draw, and a line of glyphs that fills the atlas draws each glyph's own bits.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheApplication.h"
#include "Engine/TheRenderer.h"
#include "Game/Game.h"
#include "Game/Level.h"
#include "RenderFixture.h"

namespace {

struct DrawnFrame {
    std::string calls;
    std::vector<std::uint8_t> pixels;
    long draws;
};

DrawnFrame DrawFrame(Game& game, bool isBatching) {
    SetFastPaths(isBatching ? GlesFastPaths::ALL : GlesFastPaths::ALL & ~GlesFastPaths::BATCHING);
    const long drawsBefore = DrawsIssued();
    RecordCalls();
    theRenderer.ClearScreen(Color::BLACK);
    theRenderer.BeginFrame();
    game.SetScreenProjection();
    game.DrawScene();
    theRenderer.RenderOverlays();
    const std::string calls = StopRecordingCalls();
    std::vector<std::uint8_t> pixels = ReadRect(0, 0, 1024, 768);
    SetFastPaths(GlesFastPaths::ALL);
    return DrawnFrame{calls, pixels, DrawsIssued() - drawsBefore};
}

}  // namespace

TEST_F(RenderTest, AFramesCallsAndPixelsAreTheSameWithAndWithoutBatching) {
    ASSERT_EQ(chdir(CRIBBLESTORM_DATA), 0);
    theLevel.Load("Level02");
    theRenderer.ToggleFpsDisplay();
    theRenderer.CycleConsoleMode();
    Game game;
    for (int frame = 0; frame < 3; ++frame) {  // babies choose their headings, mines turn
        theApplication.UpdateFrameTime();
        game.RunFrame();
    }
    const DrawnFrame unbatched = DrawFrame(game, false);
    const DrawnFrame batched = DrawFrame(game, true);
    EXPECT_GT(unbatched.calls.size(), 10000u);
    EXPECT_EQ(batched.calls, unbatched.calls);
    EXPECT_TRUE(batched.pixels == unbatched.pixels);
    EXPECT_LT(batched.draws * 5, unbatched.draws);
    std::printf("ES draws: %ld unbatched, %ld batched\n", unbatched.draws, batched.draws);
}

// A line of more tall glyphs than the glyph atlas holds (512 x 512 texels): each glyph keeps its
// own bits, those batched before the atlas had to start again too. Glyph k is a column of set
// bits at k mod 16 and its row of set bits at 2k.
TEST_F(RenderTest, ALineOfMoreGlyphsThanTheAtlasHoldsDrawsEachGlyphsOwnBits) {
    constexpr int GLYPHS = 70;
    constexpr int WIDTH = 16;
    constexpr int HEIGHT = 250;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLuint base = glGenLists(GLYPHS);
    for (int k = 0; k < GLYPHS; ++k) {
        std::vector<GLubyte> bits(2 * HEIGHT, 0);
        for (int row = 0; row < HEIGHT; ++row) bits[static_cast<std::size_t>(row * 2 + (k % WIDTH) / 8)] |= 0x80 >> (k % 8);
        bits[static_cast<std::size_t>(2 * k * 2)] = 0xFF;
        bits[static_cast<std::size_t>(2 * k * 2 + 1)] = 0xFF;
        glNewList(base + static_cast<GLuint>(k), GL_COMPILE);
        glBitmap(WIDTH, HEIGHT, 0, 0, WIDTH + 1, 0, bits.data());
        glEndList();
    }
    std::vector<GLubyte> line(GLYPHS);
    for (int k = 0; k < GLYPHS; ++k) line[static_cast<std::size_t>(k)] = static_cast<GLubyte>(k);
    glColor4f(1, 1, 1, 1);
    glListBase(base);
    glRasterPos2f(0, 0);
    glCallLists(GLYPHS, GL_UNSIGNED_BYTE, line.data());
    for (int k = 0; k * (WIDTH + 1) + WIDTH <= 1024; ++k) {
        const int left = k * (WIDTH + 1);
        EXPECT_EQ(ReadPixel(left + k % WIDTH, 201), (Pixel{255, 255, 255})) << "glyph " << k;
        EXPECT_EQ(ReadPixel(left + (k + 8) % WIDTH, 201), (Pixel{0, 0, 0})) << "glyph " << k;
        EXPECT_EQ(ReadPixel(left + (k + 8) % WIDTH, 2 * k), (Pixel{255, 255, 255})) << "glyph " << k;
    }
}
