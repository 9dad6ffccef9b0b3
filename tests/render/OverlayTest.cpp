// The bitmap font, the console overlay, the frame-rate readout and the game's lose text,
// drawn by the real renderer and read back.
#include <gtest/gtest.h>

#include <string>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheConsole.h"
#include "Engine/TheRenderer.h"
#include "Game/Game.h"
#include "RenderFixture.h"

namespace {

constexpr int HEIGHT = 768;

// Rows counted from the top, as the overlays place them.
int FromTop(int row) { return HEIGHT - 1 - row; }

void ShowConsole(int mode) {
    while (theRenderer.GetConsoleMode() != mode) theRenderer.CycleConsoleMode();
}

void ShowFps(bool shown) {
    if (theRenderer.IsFpsShown() != shown) theRenderer.ToggleFpsDisplay();
}

class OverlayTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        ShowConsole(0);
        ShowFps(false);
    }
protected:
    void TearDown() override {
        ShowConsole(0);
        ShowFps(false);
    }
};

const Pixel ORANGE{255, 128, 0};
const Pixel WHITE{255, 255, 255};
const Pixel GREY{127, 127, 127};  // white under the console's half-black box

}  // namespace

TEST_F(OverlayTest, TheShortConsoleShowsTheThreeNewestLinesInA49PixelBox) {
    theConsole.Printf("HHH one\nHHH two\nHHH three\n");
    ShowConsole(1);
    theRenderer.RenderOverlays();
    // Baselines 14, 28 and 42 pixels down; the newest line orange at the bottom.
    EXPECT_EQ(BoundsOf(ORANGE, 0, 0, 300, 100).bottom, 41);
    EXPECT_NEAR(BoundsOf(ORANGE, 0, 0, 300, 100).left, 3, 1);  // from x = 2, by the glyph's bearing
    EXPECT_EQ(BoundsOf(WHITE, 0, 0, 300, 100).bottom, 27);

    FillScreen(Color::WHITE);
    theRenderer.RenderOverlays();
    EXPECT_EQ(ReadPixel(700, FromTop(48)), GREY);
    EXPECT_EQ(ReadPixel(700, FromTop(49)), WHITE);
}

TEST_F(OverlayTest, TheFullConsoleCoversTheWindowNewestLineLast) {
    FillScreen(Color::WHITE);
    ShowConsole(2);
    theRenderer.RenderOverlays();
    EXPECT_EQ(ReadPixel(1000, 0), GREY);
    EXPECT_EQ(ReadPixel(1000, HEIGHT - 100), GREY);
    RenderTest::SetUp();
    for (int line = 0; line < 60; ++line) theConsole.Printf("HHH %d", line);
    theRenderer.RenderOverlays();
    EXPECT_EQ(BoundsOf(ORANGE, 0, 0, 300, HEIGHT - 1).bottom, 755);  // 54 lines: the last at baseline 756
}

TEST_F(OverlayTest, TheReadoutSitsAtTheTopRightAndInvertsWhatLiesUnderIt) {
    ShowFps(true);
    FillScreen(Color::WHITE);
    theRenderer.RenderOverlays();  // console hidden: the text colour times the inverse of white
    const Bounds inverted = BoundsOf(Pixel{0, 0, 0}, 900, 0, 1023, 40);
    EXPECT_GE(inverted.left, 984);
    EXPECT_LE(inverted.left, 986);
    EXPECT_LE(inverted.bottom, 19);

    FillScreen(Color::WHITE);
    ShowConsole(1);
    theRenderer.RenderOverlays();  // over the console: ordinary alpha blending
    const Bounds readout = BoundsOf(ORANGE, 900, 0, 1023, 40);
    EXPECT_EQ(readout.left, inverted.left);
    EXPECT_EQ(readout.top, inverted.top);
}

TEST_F(OverlayTest, TextIsCutAt255BytesAndByte255DrawsNothing) {
    theRenderer.DrawTextf(100, 100, Color::WHITE, "%s", "H");
    const Bounds single = BoundsOf(WHITE, 0, FromTop(130), 1023, FromTop(90));
    RenderTest::SetUp();
    const std::string text = std::string(254, '\xFF') + "H" + std::string(45, 'W');
    theRenderer.DrawTextf(100, 100, "%s", text.c_str());
    const Bounds cut = BoundsOf(WHITE, 0, FromTop(130), 1023, FromTop(90));
    EXPECT_EQ(cut.left, single.left);
    EXPECT_EQ(cut.right, single.right);
}

TEST_F(OverlayTest, TheLostGameWritesYouLoseFromTheCentreOfTheScreen) {
    Game game;
    game.RunFrame();  // no babies: lost from the first frame
    const Bounds text = BoundsOf(WHITE, 0, 0, 1023, HEIGHT - 1);
    EXPECT_GE(text.left, 512);
    EXPECT_LE(text.left, 514);
    EXPECT_EQ(FromTop(text.bottom), 384);  // standing on the middle row
}
