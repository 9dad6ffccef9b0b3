// Window messages to input events: the message handler's table, the input system's key
// table, wheel codes and cursor anchor, with the game's answers logged by the test game.
#include <gtest/gtest.h>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheInputSystem.h"
#include "Engine/TheMessageHandler.h"
#include "TestGame.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Script().Reset();
        theTestGame.claimsInput = false;
    }
    bool Send(std::uint32_t message, WParam wParam, LParam lParam = 0) {
        return theMessageHandler.HandleMessage(nullptr, message, wParam, lParam);
    }
    std::string Calls() {
        std::string text;
        for (const std::string& call : Script().calls) text += call + "; ";
        Script().calls.clear();
        return text;
    }
};

constexpr LParam REPEAT = 0x40000001;

}  // namespace

TEST_F(InputTest, KeysRaisePressRepeatAndReleaseAndKeepTheKeyTable) {
    EXPECT_FALSE(Send(WM_KEYDOWN, 'A', 1));
    EXPECT_TRUE(theInputSystem.IsKeyDown('A'));
    Send(WM_KEYDOWN, 'A', REPEAT);
    EXPECT_FALSE(Send(WM_KEYUP, 0x141, static_cast<LParam>(0xC0000001)));  // only the low byte is the code
    EXPECT_FALSE(theInputSystem.IsKeyDown('A'));
    EXPECT_EQ(Calls(), "game HandleInputEvent(1, 65); game HandleInputEvent(2, 65); game HandleInputEvent(3, 65); ");

    theTestGame.claimsInput = true;
    EXPECT_TRUE(Send(WM_KEYDOWN, VK_OEM_3));
    EXPECT_TRUE(Send(WM_KEYUP, VK_OEM_3));
}

// Through the engine's window procedure: a key the game claims skips the default
// processing and answers 0.
TEST_F(InputTest, AKeyClaimedByTheGameSkipsTheDefaultProcessing) {
    EngineWindowProcedure(nullptr, WM_KEYDOWN, 'Q', 1);
    theTestGame.claimsInput = true;
    EXPECT_EQ(EngineWindowProcedure(nullptr, WM_KEYUP, 'Q', static_cast<LParam>(0xC0000001)), 0);
    EXPECT_EQ(Calls(), "game HandleInputEvent(1, 81); DefWindowProcA(256); game HandleInputEvent(3, 81); ");
}

TEST_F(InputTest, SystemKeysNeverReachTheGameOrTheKeyTable) {
    EXPECT_FALSE(Send(WM_SYSKEYDOWN, VK_F10));
    EXPECT_FALSE(Send(WM_SYSKEYUP, VK_F10));
    EXPECT_FALSE(theInputSystem.IsKeyDown(VK_F10));
    EXPECT_FALSE(Send(WM_LBUTTONDBLCLK, 0));
    EXPECT_FALSE(Send(WM_MOUSEMOVE, 0));
    EXPECT_EQ(Calls(), "");
}

TEST_F(InputTest, MouseButtonsBecomeKeysOneTwoAndFour) {
    theTestGame.claimsInput = true;
    EXPECT_TRUE(Send(WM_LBUTTONDOWN, 0, REPEAT));  // never a repeat
    EXPECT_TRUE(theInputSystem.IsKeyDown(VK_LBUTTON));
    Send(WM_LBUTTONUP, 0);
    Send(WM_RBUTTONDOWN, 0);
    Send(WM_RBUTTONUP, 0);
    Send(WM_MBUTTONDOWN, 0);
    Send(WM_MBUTTONUP, 0);
    EXPECT_EQ(Calls(),
              "game HandleInputEvent(1, 1); game HandleInputEvent(3, 1); game HandleInputEvent(1, 2); "
              "game HandleInputEvent(3, 2); game HandleInputEvent(1, 4); game HandleInputEvent(3, 4); ");
}

TEST_F(InputTest, TheWheelCountsWholeNotchesEitherWay) {
    for (int delta : {120, 60, -240, -360, 0}) Send(WM_MOUSEWHEEL, MAKELONG(0, static_cast<std::uint16_t>(delta)));
    EXPECT_EQ(Calls(),
              "game HandleInputEvent(4, 1); game HandleInputEvent(4, 0); game HandleInputEvent(5, 2); "
              "game HandleInputEvent(5, 3); ");
}

TEST_F(InputTest, CloseAndActivationReachTheApplication) {
    EXPECT_FALSE(Send(WM_CLOSE, 0));
    EXPECT_TRUE(Script().isQuitPosted);
    Script().cursor = Point{300, 200};
    theInputSystem.Update();  // the anchor follows a visible cursor
    EXPECT_FALSE(Send(WM_ACTIVATEAPP, 0));
    Script().cursor = Point{10, 10};
    theInputSystem.Update();
    EXPECT_EQ(theInputSystem.GetMouseMoveX(), 0);
    EXPECT_EQ(theInputSystem.GetMouseMoveY(), 0);
    EXPECT_FALSE(Send(WM_ACTIVATEAPP, 1));  // the cursor goes back where it was last seen
    EXPECT_EQ(Calls(), "PostQuitMessage(0); SetCursorPos(300, 200); ");
    EXPECT_TRUE(theInputSystem.IsMouseTracked());
}

TEST_F(InputTest, AHiddenCursorReturnsToTheSameScreenPointEveryFrame) {
    TheInputSystem input;
    Script().cursor = Point{50, 40};
    input.Update();
    EXPECT_EQ(input.GetMouseMoveX(), 50);
    input.SetCursorVisible(false);
    input.SetCursorVisible(false);
    Script().cursor = Point{70, 35};
    input.Update();
    EXPECT_EQ(input.GetMouseMoveX(), 20);
    EXPECT_EQ(input.GetMouseMoveY(), -5);
    Script().cursor = Point{165, 100};
    input.Update();
    EXPECT_EQ(input.GetMouseMoveX(), 5);
    EXPECT_EQ(input.GetMouseMoveY(), -20);
    input.Shutdown();
    input.Shutdown();
    EXPECT_EQ(Calls(),
              "ShowCursor(0); SetCursorPos(160, 120); SetCursorPos(160, 120); ShowCursor(1); ");
    EXPECT_EQ(Script().cursorDisplayCount, 0);
}
