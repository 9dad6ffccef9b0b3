// The Windows backend against a real Win32 (Wine's, in the test run): what the engine hands
// it reaches the system, and what the system answers comes back in the engine's terms.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Engine/Platform/Win32/Win32Api.h"  // before OpenGL.h, whose stand-in macros it would clash with
#include "Engine/Platform/OpenGL.h"
#include "Engine/Platform/Platform.h"

namespace {

std::vector<Message> delivered;

constexpr const char* CLASS_NAME = "Cribblestorm Backend Test";
constexpr std::uint32_t BACKGROUND = RGB(0x00, 0x00, 0x44);
constexpr FontDescription TAHOMA = {20, 10, 0, 0, FW_EXTRALIGHT, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_MODERN | DEFAULT_PITCH, "Tahoma"};
constexpr FontDescription TREBUCHET = {16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FF_SWISS | DEFAULT_PITCH,
                                       "Trebuchet MS"};

WindowHandle ShownWindow() {
    static const bool isRegistered =
        Platform::RegisterClassA(WindowClass{CS_OWNDC, ::GetModuleHandleA(nullptr), CLASS_NAME});
    EXPECT_TRUE(isRegistered);
    WindowHandle window = Platform::CreateWindowExA(WS_EX_APPWINDOW, CLASS_NAME, "Backend", WS_CAPTION | WS_SYSMENU,
                                                    0, 0, 320, 240, ::GetModuleHandleA(nullptr));
    Platform::ShowWindow(window, SW_SHOW);
    return window;
}

// Takes waiting messages until one of the given code, dispatching the others.
Message TakeMessage(std::uint32_t code) {
    Message message = {};
    for (int turn = 0; turn < 1000; ++turn) {
        if (!Platform::PeekMessageA(&message)) {
            Platform::Sleep(1);
            continue;
        }
        if (message.message == code) return message;
        Platform::DispatchMessageA(message);
    }
    ADD_FAILURE() << "no message 0x" << std::hex << code;
    return message;
}

}  // namespace

LResult EngineWindowProcedure(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    delivered.push_back(Message{window, message, wParam, lParam});
    return Platform::DefWindowProcA(window, message, wParam, lParam);
}

TEST(Win32Display, TheDriverListsTheDesktopsOwnModeAndSwitchesOnlyToModesItReported) {
    DEVMODEA current = {};
    current.dmSize = sizeof(current);
    ASSERT_TRUE(::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current));
    Rect desktop = {};
    ASSERT_TRUE(Platform::GetDesktopWindowRect(&desktop));
    EXPECT_EQ(desktop.right - desktop.left, static_cast<std::int32_t>(current.dmPelsWidth));
    EXPECT_EQ(desktop.bottom - desktop.top, static_cast<std::int32_t>(current.dmPelsHeight));

    DeviceMode mode = {};
    bool isCurrentListed = false;
    std::uint32_t modeNumber = 0;
    for (; Platform::EnumDisplaySettingsA(modeNumber, &mode); ++modeNumber) {
        isCurrentListed |= mode.dmPelsWidth == current.dmPelsWidth && mode.dmPelsHeight == current.dmPelsHeight &&
                           mode.dmBitsPerPel == current.dmBitsPerPel;
    }
    EXPECT_TRUE(isCurrentListed);
    ASSERT_GT(modeNumber, 0u);

    // The whole record the driver filled is kept, and goes back to it unchanged.
    DEVMODEA native = {};
    native.dmSize = sizeof(native);
    ASSERT_TRUE(::EnumDisplaySettingsA(nullptr, 0, &native));
    ASSERT_TRUE(Platform::EnumDisplaySettingsA(0, &mode));
    EXPECT_EQ(std::memcmp(&mode, &native, sizeof(native)), 0);
    EXPECT_EQ(Platform::ChangeDisplaySettingsA(&mode, CDS_TEST), DISP_CHANGE_SUCCESSFUL);
    mode.dmPelsWidth = 12345;  // a mode the driver never reported
    EXPECT_NE(Platform::ChangeDisplaySettingsA(&mode, CDS_TEST), DISP_CHANGE_SUCCESSFUL);
    EXPECT_EQ(Platform::ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
}

TEST(Win32MessageQueue, KeysReachTheEngineTranslatedAndTheQuitMessageEndsTheQueue) {
    WindowHandle window = ShownWindow();
    ASSERT_NE(window, nullptr);
    const LPARAM firstPressOfA = 0x001E0001;
    ASSERT_TRUE(::PostMessageA(static_cast<HWND>(window), WM_KEYDOWN, 'A', firstPressOfA));

    const Message keyDown = TakeMessage(WM_KEYDOWN);
    EXPECT_EQ(keyDown.window, window);
    EXPECT_EQ(keyDown.wParam, WParam{'A'});
    EXPECT_EQ(keyDown.lParam, LParam{firstPressOfA});
    delivered.clear();
    Platform::TranslateMessage(keyDown);
    Platform::DispatchMessageA(keyDown);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].message, WM_KEYDOWN);
    EXPECT_EQ(delivered[0].wParam, WParam{'A'});
    EXPECT_EQ(TakeMessage(WM_CHAR).wParam, WParam{'a'});

    Platform::DispatchMessageA(Message{window, WM_CLOSE, 0, 0});  // the default processing destroys it
    EXPECT_FALSE(::IsWindow(static_cast<HWND>(window)));
    Platform::PostQuitMessage(0);
    EXPECT_EQ(TakeMessage(WM_QUIT).message, WM_QUIT);
}

TEST(Win32MessageQueue, AWindowDestroyedFromOutsidePostsTheQuitMessage) {
    WindowHandle window = ShownWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(::DestroyWindow(static_cast<HWND>(window)));
    EXPECT_EQ(TakeMessage(WM_QUIT).message, WM_QUIT);
}

TEST(Win32Context, ThePlaqueIsPaintedThenAContextIsMadeWhoseFontGlyphsAdvance) {
    WindowHandle window = ShownWindow();
    DeviceContextHandle dc = Platform::GetDC(window);
    ASSERT_NE(dc, nullptr);
    const PlaqueDescription plaque = {{0, 0, 320, 240}, BACKGROUND, RGB(0x88, 0x88, 0xFF), TAHOMA, "Plaque", 136, 120};
    Platform::DrawPlaque(dc, plaque);
    EXPECT_EQ(::GetPixel(static_cast<HDC>(dc), 2, 2), BACKGROUND);

    PixelFormatDescriptor descriptor = {};
    descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.cColorBits = 32;
    descriptor.cDepthBits = 16;
    const int pixelFormat = Platform::ChoosePixelFormat(dc, descriptor);
    ASSERT_NE(pixelFormat, 0);
    ASSERT_TRUE(Platform::SetPixelFormat(dc, pixelFormat, descriptor));
    RenderingContextHandle context = Platform::CreateContext(dc);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(Platform::MakeCurrent(dc, context));

    const FontHandle font = Platform::CreateFontIndirectA(TREBUCHET);
    const FontHandle previousFont = Platform::SelectObject(dc, font);
    EXPECT_NE(previousFont, nullptr);
    const GLuint listBase = glGenLists(256);
    Platform::UseFontBitmaps(dc, 0, 255, listBase);
    EXPECT_EQ(Platform::SelectObject(dc, previousFont), font);
    Platform::DeleteObject(font);
    glRasterPos2f(-1.0f, 0.0f);
    GLfloat before[4] = {};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
    glCallList(listBase + 'W');
    GLfloat after[4] = {};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
    EXPECT_GT(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    Platform::SwapBuffers(dc);
}
