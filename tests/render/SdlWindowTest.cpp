// The SDL backend's windows against the real X server, each in a child process with a
// window of its own: the full-screen switch, pixel formats, the surface plaque and a focus
// loss. This program's own SDL_SetWindowFullscreen stands in front of SDL's to refuse the
// switch on demand, and its message box stands in for the user's click.
#include <dlfcn.h>
#include <gtest/gtest.h>
// After GoogleTest, whose names X11's macros would replace.
#include <SDL_syswm.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../unit/TestSupport.h"
#include "Engine/AssertionFailure.h"
#include "Engine/Platform/OpenGL.h"
#include "Engine/Platform/Platform.h"
#include "Engine/Platform/Sdl/SdlPlaque.h"
#include "Engine/Platform/Sdl/SdlState.h"
#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheVideoSystem.h"

namespace {

bool isSwitchRefused = false;

template <typename Function>
Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Whether the X server shows the window (SDL's own flags follow its requests, not the server).
bool IsShown(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info)) return false;
    XWindowAttributes attributes = {};
    XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes);
    return attributes.map_state == IsViewable;
}

// Starts the video system full screen on the display's own mode.
void StartFullScreen() {
    SDL_DisplayMode mode;
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_GetDisplayMode(0, 0, &mode);
    theVideoSystem.SetDesiredDisplayMode(mode.w, mode.h, SDL_BITSPERPIXEL(mode.format), mode.refresh_rate, true);
    theVideoSystem.Startup();
}

// A window of the backend's own, set to the descriptor's pixel format, with its context current.
WindowHandle WindowWithPixelFormat(std::uint8_t colorBits, std::uint32_t flags, std::uint8_t depthBits, int width = 64,
                                   int height = 64) {
    Platform::RegisterClassA(WindowClass{0, nullptr, "Test"});
    WindowHandle window = Platform::CreateWindowExA(0, "Test", "Test", WS_CAPTION, 0, 0, width, height, nullptr);
    PixelFormatDescriptor descriptor = {};
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | flags;
    descriptor.cColorBits = colorBits;
    descriptor.cDepthBits = depthBits;
    const int format = Platform::ChoosePixelFormat(window, descriptor);
    if (format == 0 || !Platform::SetPixelFormat(window, format, descriptor)) std::exit(3);
    if (!Platform::MakeCurrent(window, Platform::CreateContext(window))) std::exit(4);
    return window;
}

// What the current context has (SDL asks GL once a context exists).
int Attribute(SDL_GLattr attribute) {
    int value = -1;
    SDL_GL_GetAttribute(attribute, &value);
    return value;
}

// What a window is, as the X server and SDL see it: place, size, title, full screen, shown.
std::string WindowState(SDL_Window* window) {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    const Uint32 flags = SDL_GetWindowFlags(window);
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" + std::to_string(height) +
           " \"" + SDL_GetWindowTitle(window) + "\"" + ((flags & SDL_WINDOW_FULLSCREEN) != 0 ? " full screen" : "") +
           (IsShown(window) ? " shown" : " hidden");
}

// Ends the child with 0 when the window, set to a 16-bit format after it was made for the
// usual one, is another SDL window in the same state behind the same handle.
void RemakeForAnotherFormat(const WindowHandle window) {
    const std::string before = WindowState(SdlWindowOf(window));
    const Uint32 old = SDL_GetWindowID(SdlWindowOf(window));
    PixelFormatDescriptor descriptor = {};
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.cColorBits = 16;
    descriptor.cDepthBits = 16;
    if (!Platform::SetPixelFormat(window, Platform::ChoosePixelFormat(window, descriptor), descriptor)) std::_Exit(3);
    const std::string after = WindowState(SdlWindowOf(window));
    DebugPrintf("before: %s\nafter: %s\n", before.c_str(), after.c_str());  // standard error is the debugger's
    std::_Exit(SDL_GetWindowID(SdlWindowOf(window)) != old && after == before ? 0 : 2);  // no shut-down: the window stays
}

// A test plaque: 64 x 64 pixels of dark blue from the first of them in the image, with its
// text light blue below the area's top-left corner.
bool ShowsPlaque(XImage* image) {
    int left = -1;
    int top = 0;
    for (int i = 0; i < image->width * image->height && left < 0; ++i) {
        if (XGetPixel(image, i % image->width, i / image->width) != 0x000044) continue;
        left = i % image->width;
        top = i / image->width;
    }
    if (left < 0 || left + 64 > image->width || top + 64 > image->height) return false;
    int textTop = 64;
    int textBottom = -1;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (XGetPixel(image, left + x, top + y) != 0x8888FF) continue;
            textTop = std::min(textTop, y);
            textBottom = std::max(textBottom, y);
        }
    }
    return XGetPixel(image, left + 60, top + 2) == 0x000044 && XGetPixel(image, left + 63, top + 63) == 0x000044 &&
           textTop >= 20 && textBottom < 40;
}

// A window with its context current, and the plaque drawn through the window's surface.
WindowHandle WindowWithPlaqueOnSurface(int width = 64, int height = 64) {
    const WindowHandle window = WindowWithPixelFormat(32, PFD_DOUBLEBUFFER, 16, width, height);
    Platform::ShowWindow(window, SW_SHOW);
    const PlaqueDescription plaque = {{0, 0, 64, 64}, 0x440000, 0xFF8888,
                                      {20, 10, 0, 0, 200, 0, 0, 0, 0, 4, 0, 2, 0x30, "Tahoma"}, "HH", 4, 20};
    DrawPlaqueOnSurface(SdlWindowOf(window), plaque);
    return window;
}

// Ends the child with 0 when the plaque drawn through the window surface is on screen and
// the context is current again.
void ShowPlaqueOnSurface() {
    const WindowHandle window = WindowWithPlaqueOnSurface();
    const SDL_GLContext context = SDL_GL_GetCurrentContext();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    SDL_GetWindowWMInfo(SdlWindowOf(window), &info);
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, 64, 64, AllPlanes, ZPixmap);
    const bool isShown = ShowsPlaque(image);
    XDestroyImage(image);
    std::exit(isShown && SDL_GL_GetCurrentContext() == context ? 0 : 2);
}

// Ends the child with 0 when the plaque, drawn as a client of the Weston whose output fills
// the X screen, appears there within five seconds. The window fills the output, as the
// game's fills a screen of its mode's size.
void ShowPlaqueOnWayland() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
    WindowWithPlaqueOnSurface(1024, 768);
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "wayland") != 0) std::_Exit(4);
    Display* display = XOpenDisplay(nullptr);
    for (int turn = 0; turn < 100; ++turn) {
        XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, 1024, 768, AllPlanes, ZPixmap);
        const bool isShown = ShowsPlaque(image);
        XDestroyImage(image);
        if (isShown) std::_Exit(0);
        SDL_Delay(50);
    }
    std::_Exit(2);
}

// A Weston of its own on this program's X server, its output a window as large as the screen.
class WestonOnX {
public:
    WestonOnX() : _runtime(std::filesystem::temp_directory_path() / ("cribblestorm-weston-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(_runtime);
        std::filesystem::permissions(_runtime, std::filesystem::perms::owner_all);
        _process = fork();
        if (_process == 0) {
            setenv("XDG_RUNTIME_DIR", _runtime.c_str(), 1);
            execlp("weston", "weston", "--backend=x11-backend.so", "--socket=plaque", "--width=1024", "--height=768",
                   "--use-pixman", "--shell=kiosk-shell.so", "--idle-time=0", "--no-config", "--log=/dev/null",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        // Clients are served once every global is made: a socket that exists can be connected to.
        for (int turn = 0; turn < 600 && !std::filesystem::exists(_runtime / "plaque"); ++turn) SDL_Delay(50);
    }
    ~WestonOnX() {
        kill(_process, SIGTERM);
        waitpid(_process, nullptr, 0);
        std::filesystem::remove_all(_runtime);
    }
    void Connect() const {
        setenv("XDG_RUNTIME_DIR", _runtime.c_str(), 1);
        setenv("WAYLAND_DISPLAY", "plaque", 1);
    }

private:
    std::filesystem::path _runtime;
    pid_t _process;
};

// The messages waiting within a second, until one of the given code.
std::vector<Message> MessagesUntil(std::uint32_t code) {
    std::vector<Message> messages;
    for (int turn = 0; turn < 100; ++turn) {
        Message message = {};
        while (Platform::PeekMessageA(&message)) {
            messages.push_back(message);
            if (message.message == code) return messages;
        }
        SDL_Delay(10);
    }
    return messages;
}

// Gives the focus to a new window of the X server's and back; each returns the messages up to
// the engine's WM_ACTIVATEAPP.
class FocusThief {
public:
    explicit FocusThief(WindowHandle window) : _window(window) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        SDL_GetWindowWMInfo(SdlWindowOf(window), &info);
        _display = info.info.x11.display;
        _other = XCreateSimpleWindow(_display, DefaultRootWindow(_display), 100, 100, 10, 10, 0, 0, 0);
        XMapWindow(_display, _other);
        XWindowAttributes attributes = {};
        for (int turn = 0; turn < 100 && attributes.map_state != IsViewable; ++turn) {
            XGetWindowAttributes(_display, _other, &attributes);
            SDL_Delay(10);
        }
    }

    std::vector<Message> Steal() {
        XSetInputFocus(_display, _other, RevertToParent, CurrentTime);
        XSync(_display, False);
        return MessagesUntil(WM_ACTIVATEAPP);
    }

    std::vector<Message> GiveBack() {
        Platform::SetFocus(_window);
        return MessagesUntil(WM_ACTIVATEAPP);
    }

private:
    WindowHandle _window;
    Display* _display;
    ::Window _other;
};

bool IsFocusLostWithoutAKeyUp(const std::vector<Message>& messages) {
    const bool isKeyReleased = std::any_of(messages.begin(), messages.end(),
                                           [](const Message& message) { return message.message == WM_KEYUP; });
    return !messages.empty() && messages.back().wParam == 0 && !isKeyReleased;
}

// Whether xdotool's press of the letter A (through XTest) comes as a repeat.
bool IsPressARepeat() {
    if (std::system("xdotool keydown a") != 0) std::exit(3);
    const Message press = MessagesUntil(WM_KEYDOWN).back();
    if (press.message != WM_KEYDOWN || press.wParam != 'A') std::exit(4);
    return (static_cast<std::uint32_t>(press.lParam) & KF_REPEAT_BIT) != 0;
}

// Ends the child with 0 when the letter A, held down while another X window takes the focus,
// gives no WM_KEYUP before WM_ACTIVATEAPP 0 and repeats once the focus is back; and when,
// released while the focus is away, its next press once the focus is back is a new press.
void HoldAndReleaseAKeyWhileTheFocusIsAway() {
    const WindowHandle window = WindowWithPixelFormat(32, PFD_DOUBLEBUFFER, 16);
    Platform::ShowWindow(window, SW_SHOW);
    Platform::SetFocus(window);
    MessagesUntil(WM_ACTIVATEAPP);
    FocusThief thief(window);
    const bool isFirstANew = !IsPressARepeat();
    const bool isHeldAcross = IsFocusLostWithoutAKeyUp(thief.Steal());
    thief.GiveBack();
    const bool isHeldARepeat = IsPressARepeat();
    thief.Steal();
    std::system("xdotool keyup a");
    thief.GiveBack();
    const bool isReleasedANew = !IsPressARepeat();
    std::system("xdotool keyup a");
    std::exit(isFirstANew && isHeldAcross && isHeldARepeat && isReleasedANew ? 0 : 2);
}

// Xvfb resets a connection it accepts in the same turn as it closes another, so the next
// child must not connect while the last child's connection is still being closed. Two round
// trips on a connection of the parent's own see that close through before the next child.
void LetTheServerCloseTheLastChild() {
    static Display* const display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSync(display, False);
    XSync(display, False);
}

// Every test here starts its children once the server has seen its last child go.
class SdlWindowTest : public ::testing::Test {
protected:
    void SetUp() override { LetTheServerCloseTheLastChild(); }
};
using SdlFullScreen = SdlWindowTest;
using SdlContextFormat = SdlWindowTest;
using SdlPlaque = SdlWindowTest;
using SdlFocus = SdlWindowTest;

}  // namespace

extern "C" int SDL_SetWindowFullscreen(SDL_Window* window, Uint32 flags) {
    if (isSwitchRefused && flags != 0) return SDL_SetError("the switch was refused");
    static const auto real = Real<int (*)(SDL_Window*, Uint32)>("SDL_SetWindowFullscreen");
    return real(window, flags);
}

// A box shown over a window of the program's that is still on screen ends the child with 5.
extern "C" int SDL_ShowSimpleMessageBox(Uint32 /*flags*/, const char* title, const char* message,
                                        SDL_Window* /*window*/) {
    std::fprintf(stderr, "[box] %s\n%s\n", title, message);
    if (IsShown(TheSdlState().window)) std::_Exit(5);
    return 0;
}

// The switch makes the window before the engine has its handle; refused, it hides it before
// the fatal boxes, which the fatal path's own hiding could not.
TEST_F(SdlFullScreen, ARefusedSwitchIsFatalAndLeavesNoWindowShown) {
    EXPECT_EXIT(
        {
            isSwitchRefused = true;
            StartFullScreen();
        },
        ::testing::ExitedWithCode(1),
        ContainsText("Expression was: ( result == DISP_CHANGE_SUCCESSFUL )\n\n   TheVideoSystem : failed to create a "
                     "fullscreen mode matching \""));
}

TEST_F(SdlFullScreen, TheSwitchMakesTheWindowFullScreenOnTheModeUntilShutdown) {
    EXPECT_EXIT(
        {
            StartFullScreen();
            SDL_Window* window = SdlWindowOf(TheVideoSystem::GetWindowHandle());
            int width = 0;
            int height = 0;
            SDL_GetWindowSize(window, &width, &height);
            const bool isFullScreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
            const bool isTitled = SDL_GetWindowTitle(window)[0] == 'U';  // the default application name
            theVideoSystem.Shutdown();
            const bool isLeft = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0;
            std::exit(isFullScreen && isTitled && isLeft && width == theVideoSystem.GetWidth() &&
                              height == theVideoSystem.GetHeight()
                          ? 0
                          : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

// SDL gives a window its visual when it makes it: a window made for another format is made
// anew behind the same handle, and the context has what the descriptor asked for.
TEST_F(SdlContextFormat, TheContextHasTheDescriptorsFormat) {
    EXPECT_EXIT(
        {
            const WindowHandle window = WindowWithPixelFormat(16, 0, 24);
            GLboolean isDoubleBuffered = GL_TRUE;
            glGetBooleanv(GL_DOUBLEBUFFER, &isDoubleBuffered);
            const bool hasSizes = Attribute(SDL_GL_GREEN_SIZE) >= 6 && Attribute(SDL_GL_DEPTH_SIZE) >= 24;
            std::exit(hasSizes && isDoubleBuffered == GL_FALSE && window == TheWindowHandle() ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
    LetTheServerCloseTheLastChild();
    EXPECT_EXIT(
        {
            const WindowHandle window = WindowWithPixelFormat(32, PFD_DOUBLEBUFFER, 16);
            GLboolean isDoubleBuffered = GL_FALSE;
            glGetBooleanv(GL_DOUBLEBUFFER, &isDoubleBuffered);
            std::exit(Attribute(SDL_GL_RED_SIZE) >= 8 && isDoubleBuffered == GL_TRUE && window != nullptr ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
}

// A window made anew for another pixel format keeps its place, size, title and state: full
// screen on the mode, or windowed where it was put.
TEST_F(SdlContextFormat, AWindowMadeAnewKeepsItsPlaceTitleAndState) {
    EXPECT_EXIT(
        {
            StartFullScreen();
            RemakeForAnotherFormat(TheVideoSystem::GetWindowHandle());
        },
        ::testing::ExitedWithCode(0), "");
    LetTheServerCloseTheLastChild();
    EXPECT_EXIT(
        {
            SDL_InitSubSystem(SDL_INIT_VIDEO);
            Platform::RegisterClassA(WindowClass{0, nullptr, "Test"});
            const WindowHandle window =
                Platform::CreateWindowExA(0, "Test", "A title", WS_CAPTION, 100, 50, 64, 48, nullptr);
            Platform::ShowWindow(window, SW_SHOW);
            RemakeForAnotherFormat(window);
        },
        ::testing::ExitedWithCode(0), "");
}

// The way other video drivers than X11 show the plaque, tried on X11: the area dark blue,
// the text light blue below its top-left corner, and the caller's context current after.
TEST_F(SdlPlaque, TheWindowSurfaceShowsThePlaqueAndLeavesTheContextCurrent) {
    EXPECT_EXIT(ShowPlaqueOnSurface(), ::testing::ExitedWithCode(0), "");
}

// The same on Wayland, where the surface is the plaque's only way.
TEST_F(SdlPlaque, OnWaylandTheWindowSurfaceShowsThePlaque) {
    const WestonOnX weston;
    EXPECT_EXIT(
        {
            weston.Connect();
            ShowPlaqueOnWayland();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SdlFocus, AKeyKeepsItsRealStateWhileAnotherWindowHasTheFocus) {
    EXPECT_EXIT(HoldAndReleaseAKeyWhileTheFocusIsAway(), ::testing::ExitedWithCode(0), "");
}
