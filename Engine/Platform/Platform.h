#pragma once
// The operating system as the engine sees it: one operation per system call the engine
// makes, named after the Win32 call it stands for. Each target implements this header once
// (Sdl/ on Linux, Win32/ on Windows, Script/ for tests); engine and game code include no
// system header of their own. Numbers passed through (message codes, styles, flags) are
// Win32's on every target, see WindowsConstants.h. Where Win32 has an ANSI and a wide form
// the name keeps the A, so that no windows.h macro ever renames these declarations.
#include <cstdint>
#include <cstdio>

using InstanceHandle = void*;
using WindowHandle = void*;
using DeviceContextHandle = void*;
using RenderingContextHandle = void*;
using FontHandle = void*;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

struct Point {
    std::int32_t x;
    std::int32_t y;
};

// One window message, packed as Win32 packs it.
struct Message {
    WindowHandle window;
    std::uint32_t message;
    WParam wParam;
    LParam lParam;
};

// A display mode as the driver reported it, or as the engine made it up for a window: the
// platform's DEVMODE in its ANSI form, field for field (156 bytes), so that the record the
// driver filled goes back to it unchanged. The engine reads the four display values.
struct DeviceMode {
    char dmDeviceName[32];
    std::uint16_t dmSpecVersion;
    std::uint16_t dmDriverVersion;
    std::uint16_t dmSize;
    std::uint16_t dmDriverExtra;
    std::uint32_t dmFields;
    Point dmPosition;
    std::uint32_t dmDisplayOrientation;
    std::uint32_t dmDisplayFixedOutput;
    std::int16_t dmColor;
    std::int16_t dmDuplex;
    std::int16_t dmYResolution;
    std::int16_t dmTTOption;
    std::int16_t dmCollate;
    char dmFormName[32];
    std::uint16_t dmLogPixels;
    std::uint32_t dmBitsPerPel;
    std::uint32_t dmPelsWidth;
    std::uint32_t dmPelsHeight;
    std::uint32_t dmDisplayFlags;
    std::uint32_t dmDisplayFrequency;
    std::uint32_t dmICMMethod;
    std::uint32_t dmICMIntent;
    std::uint32_t dmMediaType;
    std::uint32_t dmDitherType;
    std::uint32_t dmReserved1;
    std::uint32_t dmReserved2;
    std::uint32_t dmPanningWidth;
    std::uint32_t dmPanningHeight;
};
static_assert(sizeof(DeviceMode) == 156, "DEVMODE's ANSI form");

// The PIXELFORMATDESCRIPTOR fields the engine fills; everything else is zero.
struct PixelFormatDescriptor {
    std::uint16_t nSize;
    std::uint16_t nVersion;
    std::uint32_t dwFlags;
    std::uint8_t iPixelType;
    std::uint8_t cColorBits;
    std::uint8_t cAccumBits;
    std::uint8_t cDepthBits;
    std::uint8_t cStencilBits;
    std::uint8_t iLayerType;
};

// The LOGFONT attributes the engine asks for.
struct FontDescription {
    std::int32_t height;
    std::int32_t width;
    std::int32_t escapement;
    std::int32_t orientation;
    std::int32_t weight;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeOut;
    std::uint8_t charSet;
    std::uint8_t outPrecision;
    std::uint8_t clipPrecision;
    std::uint8_t quality;
    std::uint8_t pitchAndFamily;
    const char* faceName;
};

// The WNDCLASS fields the engine sets; the procedure is always EngineWindowProcedure.
struct WindowClass {
    std::uint32_t style;
    InstanceHandle instance;
    const char* className;
};

// The colours are Win32 COLORREFs: red in the low byte.
struct PlaqueDescription {
    Rect area;
    std::uint32_t backgroundColor;
    std::uint32_t textColor;
    FontDescription font;
    const char* text;
    std::int32_t textX;
    std::int32_t textY;
};

// The engine's window procedure; every backend delivers dispatched messages to it.
LResult EngineWindowProcedure(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// The engine's entry, called by the target's own entry point (WinMain, main).
int EngineMain(InstanceHandle instance, const char* commandLine);

namespace Platform {

// Clock (QueryPerformanceFrequency, QueryPerformanceCounter, Sleep).
bool QueryPerformanceFrequency(std::int64_t* countsPerSecond);
bool QueryPerformanceCounter(std::int64_t* count);
void Sleep(std::uint32_t milliseconds);

// Diagnostics: the debugger output (OutputDebugStringA) and a modal box (MessageBoxA).
void OutputDebugStringA(const char* text);
int MessageBoxA(WindowHandle owner, const char* text, const char* caption, std::uint32_t style);

// Message queue (PeekMessageA with PM_REMOVE and no filter, TranslateMessage,
// DispatchMessageA, PostQuitMessage, DefWindowProcA).
bool PeekMessageA(Message* message);
void TranslateMessage(const Message& message);
LResult DispatchMessageA(const Message& message);
void PostQuitMessage(int exitCode);
LResult DefWindowProcA(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Display (EnumDisplaySettingsA of the primary display, ChangeDisplaySettingsA,
// GetWindowRect of GetDesktopWindow).
bool EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode);
std::int32_t ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t flags);
bool GetDesktopWindowRect(Rect* rect);

// Window (RegisterClassA, AdjustWindowRectEx, CreateWindowExA, ShowWindow,
// SetForegroundWindow, SetFocus, GetDC).
bool RegisterClassA(const WindowClass& windowClass);
bool AdjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle);
WindowHandle CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style,
                            int x, int y, int width, int height, InstanceHandle instance);
void ShowWindow(WindowHandle window, int command);
void SetForegroundWindow(WindowHandle window);
void SetFocus(WindowHandle window);
DeviceContextHandle GetDC(WindowHandle window);

// Rendering context (ChoosePixelFormat, SetPixelFormat, wglCreateContext, wglMakeCurrent,
// SwapBuffers).
int ChoosePixelFormat(DeviceContextHandle dc, const PixelFormatDescriptor& descriptor);
bool SetPixelFormat(DeviceContextHandle dc, int pixelFormat, const PixelFormatDescriptor& descriptor);
RenderingContextHandle CreateContext(DeviceContextHandle dc);
bool MakeCurrent(DeviceContextHandle dc, RenderingContextHandle rc);
void SwapBuffers(DeviceContextHandle dc);

// The start-up plaque: fill the area, write the text (GDI's brush, font and TextOutA).
void DrawPlaque(DeviceContextHandle dc, const PlaqueDescription& plaque);

// Fonts (CreateFontIndirectA, SelectObject, DeleteObject). Selecting returns the font that
// was selected before.
FontHandle CreateFontIndirectA(const FontDescription& font);
FontHandle SelectObject(DeviceContextHandle dc, FontHandle font);
void DeleteObject(FontHandle font);

// Bitmap glyphs of the selected font for the bytes first .. first + count - 1 into the
// display lists from listBase on, each advancing the raster position (wglUseFontBitmapsA).
void UseFontBitmaps(DeviceContextHandle dc, std::uint32_t first, std::uint32_t count, std::uint32_t listBase);

// Cursor (GetCursorPos, SetCursorPos, ShowCursor), in screen pixels.
bool GetCursorPos(Point* position);
bool SetCursorPos(int x, int y);
int ShowCursor(bool show);

// A resource file relative to the working folder; '\' and '/' both separate folders.
std::FILE* OpenFile(const char* fileName, const char* mode);

// The bytes from an open file's position to its end, whatever its size (_ftelli64 and
// _fseeki64); 0 where the file cannot tell.
std::uint64_t FileBytesLeft(std::FILE* file);

}  // namespace Platform
