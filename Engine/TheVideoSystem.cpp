#include "TheVideoSystem.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "Platform/WindowsConstants.h"
#include "TheApplication.h"
#include "TheConsole.h"

WindowHandle TheVideoSystem::_hWnd = nullptr;
bool TheVideoSystem::_isInitialized = false;

namespace {

constexpr std::uint32_t CONSOLE_FINDINGS = 0x202;
constexpr std::uint32_t CONSOLE_MODE_CHANGE = 0x204;

constexpr int WINDOWED_SIZES[][2] = {{320, 240},  {400, 300},  {512, 384},  {640, 480},  {800, 600},
                                     {1024, 768}, {1152, 864}, {1280, 960}, {1600, 1200}};
constexpr int WINDOWED_BITS_PER_PIXEL = 32;

constexpr int RIGHT_KIND_SCORE = 1000000000;
constexpr int WRONG_KIND_SCORE = 500000000;
constexpr int WIDTH_PIXEL_COST = 10000;
constexpr int HEIGHT_PIXEL_COST = 1000;
constexpr int WRONG_DEPTH_COST = 500;
constexpr int UNSTATED_REFRESH_RATE = 60;

constexpr std::uint32_t WINDOWED_STYLE = WS_CAPTION | WS_SYSMENU;
constexpr std::uint32_t FULLSCREEN_STYLE = WS_POPUP;

// The plaque: dark blue, light-blue text placed for an assumed 8 pixels a character.
constexpr std::uint32_t PLAQUE_BACKGROUND = RGB(0x00, 0x00, 0x44);
constexpr std::uint32_t PLAQUE_TEXT = RGB(0x88, 0x88, 0xFF);
constexpr int PLAQUE_HALF_CHARACTER_WIDTH = 4;
constexpr FontDescription PLAQUE_FONT = {20, 10, 0, 0, FW_EXTRALIGHT, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                                         CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_MODERN | DEFAULT_PITCH, "Tahoma"};

}  // namespace

TheVideoSystem::TheVideoSystem()
    : _windowClassName("OpenGL GameEngine Window Class"),
      _desiredWidth(640),
      _desiredHeight(480),
      _desiredBitsPerPixel(32),
      _desiredRefreshRate(60),
      _depthBufferBits(16),
      _desiredFullscreen(0),
      _vidModes{},
      _numVidModes(0),
      _currentVidMode(0),
      _clientRect{0, 0, 0, 0},
      _windowRect{0, 0, 0, 0},
      _desktopRect{0, 0, 0, 0},
      _hDC(nullptr),
      _hRC(nullptr) {}

TheVideoSystem::~TheVideoSystem() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheVideoSystem was destroyed while running; Shutdown() should be called first!");
    for (DisplayMode*& mode : _vidModes) {
        delete mode;
        mode = nullptr;
    }
    _numVidModes = 0;
}

void TheVideoSystem::SetDesiredDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                                           bool fullscreen) {
    _desiredWidth = width;
    _desiredHeight = height;
    _desiredBitsPerPixel = bitsPerPixel;
    _desiredRefreshRate = refreshRate;
    _desiredFullscreen = fullscreen ? 1 : 0;
}

void TheVideoSystem::Startup() {
    theConsole.Printf("::: Initialization : Video System (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheVideoSystem was initialized twice; either a second TheVideoSystem was started or Startup() "
                      "was called on an already-running system.");
    _GetDesktopCharacteristics();
    _EnumerateDisplayModes();
    _SelectDesiredDisplayMode();
    _CreateRenderingWindow();
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Video System (finished)\n");
}

void TheVideoSystem::Shutdown() {
    theConsole.Printf("::: Shutdown : Video System (starting)\n");
    Platform::ChangeDisplaySettingsA(nullptr, 0);
    Platform::ShowWindow(_hWnd, SW_HIDE);
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Video System (finished)\n");
}

void TheVideoSystem::SwapBuffers() { Platform::SwapBuffers(_hDC); }

void TheVideoSystem::_GetDesktopCharacteristics() {
    const bool success = Platform::GetDesktopWindowRect(&_desktopRect);
    ASSERT_ALL_BUILDS(success, "TheVideoSystem::_GetDesktopCharacteristics : GetWindowRect() failed!");
}

std::uint32_t TheVideoSystem::_EnumerateDisplayModes() {
    _numVidModes = 0;
    for (const auto& size : WINDOWED_SIZES) _CreateWindowedDisplayMode(size[0], size[1], WINDOWED_BITS_PER_PIXEL);
    _EnumerateDriverModes();
    ASSERT_ALL_BUILDS(_numVidModes < MAX_VID_MODES, "");
    ASSERT_ALL_BUILDS(_numVidModes > 0, "TheVideoSystem : couldn't enumerate ANY valid video modes!");
    _ListDisplayModes();
    theConsole.PrintfCategory(CONSOLE_FINDINGS, "VideoSystem : found %d available display mode(s)\n",
                              static_cast<int>(_numVidModes));
    return _numVidModes;
}

void TheVideoSystem::_EnumerateDriverModes() {
    for (std::uint32_t modeNumber = 0; _numVidModes < MAX_VID_MODES; ++modeNumber) {
        DisplayMode* mode = new DisplayMode{};
        mode->fullscreen = 1;
        _vidModes[_numVidModes] = mode;
        if (!Platform::EnumDisplaySettingsA(modeNumber, &mode->platformRecord)) {
            delete mode;
            _vidModes[_numVidModes] = nullptr;
            return;
        }
        ++_numVidModes;
    }
}

std::uint32_t TheVideoSystem::_CreateWindowedDisplayMode(int width, int height, int bitsPerPixel) {
    ASSERT_ALL_BUILDS(_numVidModes < MAX_VID_MODES,
                      "TheVideoSystem::_CreateWindowedDisplayMode : had to stop enumerating vid\nmodes; table was "
                      "full (max %d entries!)\n",
                      static_cast<int>(MAX_VID_MODES));
    const std::uint32_t index = _numVidModes++;
    DisplayMode* mode = new DisplayMode{};
    mode->platformRecord.dmSize = DEVMODE_SIZE;
    mode->platformRecord.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode->platformRecord.dmPelsWidth = static_cast<std::uint32_t>(width);
    mode->platformRecord.dmPelsHeight = static_cast<std::uint32_t>(height);
    mode->platformRecord.dmBitsPerPel = static_cast<std::uint32_t>(bitsPerPixel);
    mode->fullscreen = 0;
    _vidModes[index] = mode;
    return index;
}

void TheVideoSystem::_ListDisplayModes() {
    theConsole.PrintfCategory(CONSOLE_FINDINGS, "VideoSystem : found %d display mode(s)%c\n",
                              static_cast<int>(_numVidModes), ':');
    for (std::uint32_t i = 0; i < _numVidModes; ++i) {
        const DeviceMode& mode = _Mode(i);
        const char* kind = IsDisplayModeWindowed(i) ? "windowed" : "fullscreen";
        const int index = static_cast<int>(i);
        const int width = static_cast<int>(mode.dmPelsWidth);
        const int height = static_cast<int>(mode.dmPelsHeight);
        const int bits = static_cast<int>(mode.dmBitsPerPel);
        if (mode.dmDisplayFrequency == 0) {
            theConsole.PrintfCategory(CONSOLE_FINDINGS, "  MODE %3d :  %4d x %4d (%3d bpp, ??? Hz, %s)\n", index,
                                      width, height, bits, kind);
        } else {
            theConsole.PrintfCategory(CONSOLE_FINDINGS, "  MODE %3d :  %4d x %4d (%3d bpp, %3d Hz, %s)\n", index,
                                      width, height, bits, static_cast<int>(mode.dmDisplayFrequency), kind);
        }
    }
}

bool TheVideoSystem::IsDisplayModeWindowed(std::uint32_t vidMode) const {
    return (_vidModes[vidMode]->fullscreen & 1) == 0;
}

std::string TheVideoSystem::GetDisplayModeDescription(std::uint32_t vidMode) const {
    const DeviceMode& mode = _Mode(vidMode);
    char description[256];
    FormatString(description, sizeof(description), "%d x %d x %d bpp", static_cast<int>(mode.dmPelsWidth),
                 static_cast<int>(mode.dmPelsHeight), static_cast<int>(mode.dmBitsPerPel));
    std::string text = description;
    if (IsDisplayModeWindowed(vidMode)) {
        text += " (windowed)";
    } else {
        FormatString(description, sizeof(description), ", %d hz (fullscreen)",
                     static_cast<int>(mode.dmDisplayFrequency));
        text += description;
    }
    return text;
}

std::uint32_t TheVideoSystem::FindClosestDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                                                     bool fullscreen) const {
    if (refreshRate == 0) refreshRate = UNSTATED_REFRESH_RATE;
    int bestScore = 0;
    std::uint32_t bestIndex = 0;
    for (std::uint32_t i = 0; i < _numVidModes; ++i) {
        const DeviceMode& mode = _Mode(i);
        int score = (IsDisplayModeWindowed(i) != fullscreen) ? RIGHT_KIND_SCORE : WRONG_KIND_SCORE;
        score -= WIDTH_PIXEL_COST * std::abs(width - static_cast<int>(mode.dmPelsWidth)) +
                 HEIGHT_PIXEL_COST * std::abs(height - static_cast<int>(mode.dmPelsHeight));
        if (fullscreen) {
            if (bitsPerPixel != static_cast<int>(mode.dmBitsPerPel)) score -= WRONG_DEPTH_COST;
            score -= std::abs(refreshRate - static_cast<int>(mode.dmDisplayFrequency));
        }
        if (score > bestScore) {
            bestScore = score;
            bestIndex = i;
        }
    }
    return bestIndex;
}

std::uint32_t TheVideoSystem::SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                                             bool fullscreen) {
    const std::uint32_t index = FindClosestDisplayMode(width, height, bitsPerPixel, refreshRate, fullscreen);
    _SetCurrentDisplayMode(index, false);
    return index;
}

void TheVideoSystem::_SelectDesiredDisplayMode() {
    SetDisplayMode(_desiredWidth, _desiredHeight, _desiredBitsPerPixel, _desiredRefreshRate, _desiredFullscreen != 0);
}

void TheVideoSystem::_SetCurrentDisplayMode(std::uint32_t vidMode, bool force) {
    ASSERT_ALL_BUILDS(vidMode < _numVidModes, "TheVideoSystem : vidMode %d out of range [0,%d]!",
                      static_cast<int>(vidMode), static_cast<int>(_numVidModes) - 1);
    if (!force && vidMode == _currentVidMode) return;
    theConsole.PrintfCategory(CONSOLE_MODE_CHANGE, "VideoSystem : Setting current display mode #%d: %s\n",
                              static_cast<int>(vidMode), GetDisplayModeDescription(vidMode).c_str());
    _currentVidMode = vidMode;
    if (_isInitialized) {
        FATAL_ERROR("We're sorry, but the engine does not currently support run-time alteration of video mode.\n");
    }
}

int TheVideoSystem::GetWidth() const { return static_cast<int>(_Mode(_currentVidMode).dmPelsWidth); }

int TheVideoSystem::GetHeight() const { return static_cast<int>(_Mode(_currentVidMode).dmPelsHeight); }

void TheVideoSystem::_CreateRenderingWindow() {
    theConsole.PrintfCategory(CONSOLE_FINDINGS, "VideoSystem : Creating a rendering window for mode: %s\n",
                              GetDisplayModeDescription(_currentVidMode).c_str());

    const WindowClass windowClass = {CS_HREDRAW | CS_VREDRAW | CS_OWNDC, theApplication.GetInstanceHandle(),
                                     _windowClassName};
    const bool atom = Platform::RegisterClassA(windowClass);
    ASSERT_ALL_BUILDS(atom != 0, "VideoSystem : RegisterClass() failed!");

    const bool isWindowed = IsDisplayModeWindowed(_currentVidMode);
    if (!isWindowed) {
        const std::int32_t result = Platform::ChangeDisplaySettingsA(&_Mode(_currentVidMode), CDS_FULLSCREEN);
        ASSERT_ALL_BUILDS(result == DISP_CHANGE_SUCCESSFUL,
                          "TheVideoSystem : failed to create a fullscreen mode matching \"%s\"",
                          GetDisplayModeDescription(_currentVidMode).c_str());
    }

    const std::uint32_t style = isWindowed ? WINDOWED_STYLE : FULLSCREEN_STYLE;
    _clientRect = {0, 0, GetWidth(), GetHeight()};
    _windowRect = _clientRect;
    if (isWindowed) Platform::AdjustWindowRectEx(&_windowRect, WINDOWED_STYLE, false, WS_EX_APPWINDOW);
    _FitWindowRectToDesktop();

    _hWnd = Platform::CreateWindowExA(WS_EX_APPWINDOW, _windowClassName, theApplication.GetName().c_str(), style,
                                      _windowRect.left, _windowRect.top, _windowRect.right - _windowRect.left,
                                      _windowRect.bottom - _windowRect.top, theApplication.GetInstanceHandle());
    ASSERT_ALL_BUILDS(_hWnd != NULL, "TheVideoSystem::_CreateRenderingWindow : CreateWindowEx() failed!");
    Platform::ShowWindow(_hWnd, SW_SHOW);
    Platform::SetForegroundWindow(_hWnd);
    Platform::SetFocus(_hWnd);

    PixelFormatDescriptor descriptor = {};
    descriptor.nSize = 40;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = static_cast<std::uint8_t>(_Mode(_currentVidMode).dmBitsPerPel);
    descriptor.cDepthBits = static_cast<std::uint8_t>(_depthBufferBits);
    descriptor.iLayerType = PFD_MAIN_PLANE;
    _CreateRenderingContextForWindow(_hWnd, descriptor);
    theConsole.PrintfCategory(CONSOLE_FINDINGS, "VideoSystem : Successfully created a rendering window.\n");
}

// Moves the window onto the desktop without resizing it; the later steps win, so a window
// larger than the desktop keeps its top-left corner on the desktop's.
void TheVideoSystem::_FitWindowRectToDesktop() {
    const std::int32_t width = _windowRect.right - _windowRect.left;
    const std::int32_t height = _windowRect.bottom - _windowRect.top;
    if (_windowRect.bottom > _desktopRect.bottom) _windowRect.top = _desktopRect.bottom - height;
    if (_windowRect.right > _desktopRect.right) _windowRect.left = _desktopRect.right - width;
    if (_windowRect.top < _desktopRect.top) _windowRect.top = _desktopRect.top;
    if (_windowRect.left < _desktopRect.left) _windowRect.left = _desktopRect.left;
    _windowRect.right = _windowRect.left + width;
    _windowRect.bottom = _windowRect.top + height;
}

void TheVideoSystem::_CreateRenderingContextForWindow(WindowHandle window, const PixelFormatDescriptor& descriptor) {
    _hDC = Platform::GetDC(window);
    ASSERT_ALL_BUILDS(_hDC != NULL, "TheVideoSystem::_CreateRenderingContextForWindow : GetDC() failed!");

    _DrawGDIPlaque("Choosing a pixel format...");
    const int pixelFormatNum = Platform::ChoosePixelFormat(_hDC, descriptor);
    ASSERT_ALL_BUILDS(pixelFormatNum != 0,
                      "TheVideoSystem::_CreateRenderingContextForWindow : ChoosePixelFormat() failed!");

    _DrawGDIPlaque("Setting the pixel format...");
    const bool success = Platform::SetPixelFormat(_hDC, pixelFormatNum, descriptor);
    ASSERT_ALL_BUILDS(success, "TheVideoSystem::_CreateRenderingContextForWindow : SetPixelFormat() failed!");

    _DrawGDIPlaque("Creating a rendering context...");
    _hRC = Platform::CreateContext(_hDC);
    ASSERT_ALL_BUILDS(_hRC != NULL, "TheVideoSystem::_CreateRenderingContextForWindow : wglCreateContext() failed!");

    _DrawGDIPlaque("Making rendering context current...");
    const bool isCurrent = Platform::MakeCurrent(_hDC, _hRC);
    // The failure keeps the expression text it has always been reported with.
    if (!isCurrent) {
        AssertionFailure(__LINE__, __FILE__, "ALL BUILDS", "_hRC != NULL",
                         "TheVideoSystem::_CreateRenderingContextForWindow : wglMakeCurrent() failed!");
    }

    _DrawGDIPlaque(nullptr);
}

void TheVideoSystem::_DrawGDIPlaque(const char* format, ...) {
    char text[ASSERTION_TEXT_SIZE] = "";
    if (format != nullptr) {
        std::va_list arguments;
        va_start(arguments, format);
        FormatStringV(text, sizeof(text), format, arguments);
        va_end(arguments);
    }
    const std::int32_t centerX = (_clientRect.left + _clientRect.right) / 2;
    const std::int32_t centerY = (_clientRect.top + _clientRect.bottom) / 2;
    const auto characterCount = static_cast<std::int32_t>(std::strlen(text));
    const PlaqueDescription plaque = {_clientRect, PLAQUE_BACKGROUND, PLAQUE_TEXT, PLAQUE_FONT, text,
                                      centerX - PLAQUE_HALF_CHARACTER_WIDTH * characterCount, centerY};
    Platform::DrawPlaque(_hDC, plaque);
    if (format != nullptr) theConsole.PrintfCategory(CONSOLE_FINDINGS, "GDI Plaque : %s\n", text);
}
