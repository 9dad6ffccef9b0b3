// The bitmap font, the console overlay, the frame-rate readout and the game's lose text,
// drawn by the real renderer and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <SDL_syswm.h>
#include <X11/Xutil.h>

#include "Engine/Platform/OpenGL.h"
#include "Engine/Platform/Sdl/SdlState.h"
#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheApplication.h"
#include "Engine/TheConsole.h"
#include "Engine/TheGameInterfaceAbstract.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"
#include "Game/Game.h"
#include "RenderFixture.h"

namespace {

constexpr int HEIGHT = 768;

// Rows counted from the top, as the overlays place them.
int FromTop(int row) { return HEIGHT - 1 - row; }

// The three modes come round in three presses; a mode they never reach fails the test.
void ShowConsole(int mode) {
    for (int press = 0; press < 3 && theRenderer.GetConsoleMode() != mode; ++press) theRenderer.CycleConsoleMode();
    ASSERT_EQ(theRenderer.GetConsoleMode(), mode);
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

// The top rows, where both overlays draw, as bytes.
std::vector<std::uint8_t> TopRows() { return ReadRect(0, HEIGHT - 60, 1024, 60); }

// Draws as the overlays do: pixels from the top left, with the given blend.
void UseOverlayView(GLenum source, GLenum destination) {
    theRenderer.SetProjection(Vec2(0, HEIGHT), Vec2(1024, 0));
    glBlendFunc(source, destination);
}

// Whether the X server shows orange at the window's top right, where the readout sits.
bool IsReadoutOnScreen() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    SDL_GetWindowWMInfo(SdlWindowOf(TheVideoSystem::GetWindowHandle()), &info);
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 900, 0, 124, 40, AllPlanes, ZPixmap);
    bool isFound = false;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 124; ++x) isFound |= XGetPixel(image, x, y) == 0xFF8000;
    }
    XDestroyImage(image);
    return isFound;
}

bool IsBlack(const std::vector<std::uint8_t>& pixels) {
    for (std::uint8_t byte : pixels) {
        if (byte != 0) return false;
    }
    return true;
}

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

TEST_F(OverlayTest, TheReadoutIsTheRoundedRateAndFpsAtItsPlace) {
    ShowFps(true);
    theRenderer.RenderOverlays();
    const std::vector<std::uint8_t> readout = TopRows();
    RenderTest::SetUp();
    const std::string text = std::to_string(std::lround(theApplication.GetFramesPerSecond())) + " fps";
    UseOverlayView(GL_ONE_MINUS_DST_COLOR, GL_ZERO);
    theRenderer.DrawText(Vec2(1024 - 40, 16), Color::ORANGE, text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(TopRows(), readout);
    EXPECT_FALSE(IsBlack(readout));
}

TEST_F(OverlayTest, AConsoleLineIsDrawnAsItWasStoredPercentSignsAndAll) {
    theConsole.Printf("%s", "HH %d %s HH");
    ShowConsole(1);
    theRenderer.RenderOverlays();
    const Bounds line = BoundsOf(ORANGE, 0, 0, 1023, 59);
    RenderTest::SetUp();
    UseOverlayView(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    theRenderer.DrawText(Vec2(2, 42), Color::ORANGE, "HH %d %s HH", 11);
    const Bounds drawn = BoundsOf(ORANGE, 0, 0, 1023, 59);
    EXPECT_EQ(line.left, drawn.left);
    EXPECT_EQ(line.right, drawn.right);
    EXPECT_EQ(line.bottom, drawn.bottom);
}

// A console just started holds its empty line and its finished line; the full console
// draws them from the top down, baseline 14 first.
TEST_F(OverlayTest, TheFullConsoleStartsAtTheTopWhenItHoldsFewLines) {
    theConsole.Shutdown();
    theConsole.Startup();
    theConsole.Printf("HHH\nHHH");
    ShowConsole(2);
    theRenderer.RenderOverlays();
    EXPECT_EQ(BoundsOf(ORANGE, 0, 0, 300, HEIGHT - 1).bottom, 55);  // the fourth line, at baseline 56
    EXPECT_EQ(BoundsOf(WHITE, 0, 0, 300, HEIGHT - 1).bottom, 41);
}

TEST_F(OverlayTest, AStoppedRendererDrawsNoOverlay) {
    ShowConsole(2);
    ShowFps(true);
    theRenderer.Shutdown();
    theRenderer.RenderOverlays();
    const bool isBlack = IsBlack(TopRows());
    theRenderer.Startup();
    EXPECT_TRUE(isBlack);
}

// The game claims no event and acts on first presses only.
TEST_F(OverlayTest, TheGamesKeysActOnFirstPressesAndAreNeverClaimed) {
    TheGameInterfaceAbstract& game = *TheGameInterfaceAbstract::GetInstance();
    EXPECT_FALSE(game.HandleInputEvent(INPUT_KEY_REPEATED, VK_F11));
    EXPECT_FALSE(game.HandleInputEvent(INPUT_KEY_RELEASED, VK_OEM_3));
    EXPECT_FALSE(game.HandleInputEvent(INPUT_WHEEL_UP, 1));
    EXPECT_FALSE(theRenderer.IsFpsShown());
    EXPECT_EQ(theRenderer.GetConsoleMode(), 0);
    EXPECT_FALSE(game.HandleInputEvent(INPUT_KEY_PRESSED, VK_F11));
    EXPECT_FALSE(game.HandleInputEvent(INPUT_KEY_PRESSED, VK_OEM_3));
    EXPECT_TRUE(theRenderer.IsFpsShown());
    EXPECT_EQ(theRenderer.GetConsoleMode(), 1);
}

// After a whole frame of the real game: the frame was shown with its overlays, and the
// next one starts cleared to opaque black, on the whole window, in the unit square.
TEST_F(OverlayTest, AFrameDrawsShowsThenClearsAndResetsTheView) {
    ShowFps(true);
    theApplication.RunFrame();
    EXPECT_EQ(ReadPixel(1000, HEIGHT - 10), (Pixel{0, 0, 0}));  // the back buffer, cleared
    GLfloat clearColor[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    EXPECT_EQ(std::vector<float>(clearColor, clearColor + 4), (std::vector<float>{0, 0, 0, 1}));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<int>(viewport, viewport + 4), (std::vector<int>{0, 0, 1024, HEIGHT}));
    std::vector<float> modelView(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    EXPECT_EQ(modelView, (std::vector<float>{2, 0, 0, 0, 0, 2, 0, 0, 0, 0, -2, 0, -1, -1, -1, 1}));
    EXPECT_TRUE(IsReadoutOnScreen());  // the overlays went out with the frame
}
