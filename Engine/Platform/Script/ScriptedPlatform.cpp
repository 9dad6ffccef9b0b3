#include "ScriptedPlatform.h"

#include <cstdio>

#include "../WindowsConstants.h"

namespace {

// Handles that are not null, for a window, device context, rendering context and fonts
// that exist only in the script.
int scriptedWindow;
int scriptedContext;
int scriptedFont;
int scriptedPreviousFont;

std::string Describe(const char* name, long long value) { return std::string(name) + "(" + std::to_string(value) + ")"; }

}  // namespace

ScriptedPlatform& Script() {
    static ScriptedPlatform script;
    return script;
}

DeviceMode ScriptedPlatform::DriverMode(int width, int height, int bitsPerPixel, int refreshRate) {
    DeviceMode mode = {};
    mode.dmSize = DEVMODE_SIZE;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    mode.dmBitsPerPel = static_cast<std::uint32_t>(bitsPerPixel);
    mode.dmPelsWidth = static_cast<std::uint32_t>(width);
    mode.dmPelsHeight = static_cast<std::uint32_t>(height);
    mode.dmDisplayFrequency = static_cast<std::uint32_t>(refreshRate);
    return mode;
}

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    *countsPerSecond = Script().frequency;
    return Script().isFrequencyKnown;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    *count = Script().counter;
    return true;
}

void Platform::Sleep(std::uint32_t milliseconds) { Script().Log(Describe("Sleep", milliseconds)); }

void Platform::OutputDebugStringA(const char* text) {
    Script().debugOutput += text;
    if (Script().onDebugOutput) Script().onDebugOutput();
    if (Script().isEchoingDebugOutput) std::fputs(text, stderr);
}

int Platform::MessageBoxA(WindowHandle owner, const char* text, const char* caption, std::uint32_t style) {
    Script().Log("MessageBoxA");
    std::fprintf(stderr, "[MessageBoxA owner %s, style 0x%X] %s\n%s\n[/MessageBoxA]\n", owner ? "window" : "none",
                 static_cast<unsigned>(style), caption, text);
    return 1;
}

bool Platform::PeekMessageA(Message* message) {
    if (Script().isQuitPosted) {
        Script().isQuitPosted = false;
        *message = Message{nullptr, WM_QUIT, 0, 0};
        return true;
    }
    if (Script().queue.empty()) return false;
    *message = Script().queue.front();
    Script().queue.pop_front();
    return true;
}

void Platform::TranslateMessage(const Message& /*message*/) {}

LResult Platform::DispatchMessageA(const Message& message) {
    return EngineWindowProcedure(message.window, message.message, message.wParam, message.lParam);
}

void Platform::PostQuitMessage(int exitCode) {
    Script().isQuitPosted = true;
    Script().Log(Describe("PostQuitMessage", exitCode));
}

LResult Platform::DefWindowProcA(WindowHandle /*window*/, std::uint32_t message, WParam /*wParam*/, LParam /*lParam*/) {
    Script().Log(Describe("DefWindowProcA", message));
    return 0;
}

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    if (modeNumber >= Script().driverModes.size()) return false;
    *mode = Script().driverModes[modeNumber];
    return true;
}

std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t flags) {
    Script().Log(mode == nullptr ? "ChangeDisplaySettingsA(null)" : Describe("ChangeDisplaySettingsA", flags));
    if (mode != nullptr) Script().switchedTo = *mode;
    return Script().Fails("ChangeDisplaySettingsA") ? DISP_CHANGE_FAILED : DISP_CHANGE_SUCCESSFUL;
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    *rect = Script().desktop;
    return !Script().Fails("GetWindowRect");
}

bool Platform::RegisterClassA(const WindowClass& windowClass) {
    Script().Log(std::string("RegisterClassA(") + windowClass.className + ")");
    return !Script().Fails("RegisterClassA");
}

bool Platform::AdjustWindowRectEx(Rect* rect, std::uint32_t /*style*/, bool /*hasMenu*/, std::uint32_t /*exStyle*/) {
    // A frame of 3 pixels and a 20-pixel caption, so that the growth can be seen.
    *rect = Rect{rect->left - 3, rect->top - 23, rect->right + 3, rect->bottom + 3};
    return true;
}

WindowHandle Platform::CreateWindowExA(std::uint32_t /*exStyle*/, const char* /*className*/, const char* title,
                                       std::uint32_t style, int x, int y, int width, int height,
                                       InstanceHandle /*instance*/) {
    char call[256];
    std::snprintf(call, sizeof(call), "CreateWindowExA(%s, 0x%X, %d, %d, %d, %d)", title,
                  static_cast<unsigned>(style), x, y, width, height);
    Script().Log(call);
    return Script().Fails("CreateWindowExA") ? nullptr : &scriptedWindow;
}

void Platform::ShowWindow(WindowHandle window, int command) {
    if (window != nullptr) Script().Log(Describe("ShowWindow", command));
}

void Platform::SetForegroundWindow(WindowHandle /*window*/) { Script().Log("SetForegroundWindow"); }

void Platform::SetFocus(WindowHandle /*window*/) { Script().Log("SetFocus"); }

DeviceContextHandle Platform::GetDC(WindowHandle window) { return Script().Fails("GetDC") ? nullptr : window; }

int Platform::ChoosePixelFormat(DeviceContextHandle /*dc*/, const PixelFormatDescriptor& descriptor) {
    Script().Log(Describe("ChoosePixelFormat", descriptor.cColorBits));
    Script().pixelFormat = descriptor;
    return Script().Fails("ChoosePixelFormat") ? 0 : 1;
}

bool Platform::SetPixelFormat(DeviceContextHandle /*dc*/, int /*format*/, const PixelFormatDescriptor& /*descriptor*/) {
    return !Script().Fails("SetPixelFormat");
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle /*dc*/) {
    return Script().Fails("wglCreateContext") ? nullptr : &scriptedContext;
}

bool Platform::MakeCurrent(DeviceContextHandle /*dc*/, RenderingContextHandle /*rc*/) {
    return !Script().Fails("wglMakeCurrent");
}

void Platform::SwapBuffers(DeviceContextHandle /*dc*/) { Script().Log("SwapBuffers"); }

void Platform::DrawPlaque(DeviceContextHandle /*dc*/, const PlaqueDescription& plaque) {
    char call[2200];
    std::snprintf(call, sizeof(call), "DrawPlaque(\"%s\" at %d, %d)", plaque.text, static_cast<int>(plaque.textX),
                  static_cast<int>(plaque.textY));
    Script().Log(call);
}

FontHandle Platform::CreateFontIndirectA(const FontDescription& font) {
    Script().Log(std::string("CreateFontIndirectA(") + font.faceName + ")");
    return &scriptedFont;
}

FontHandle Platform::SelectObject(DeviceContextHandle /*dc*/, FontHandle font) {
    Script().Log(font == &scriptedFont ? "SelectObject(font)" : "SelectObject(previous)");
    return &scriptedPreviousFont;
}

void Platform::DeleteObject(FontHandle /*font*/) { Script().Log("DeleteObject"); }

void Platform::UseFontBitmaps(DeviceContextHandle /*dc*/, std::uint32_t first, std::uint32_t count,
                              std::uint32_t /*listBase*/) {
    Script().Log("UseFontBitmaps(" + std::to_string(first) + ", " + std::to_string(count) + ")");
}

bool Platform::GetCursorPos(Point* position) {
    *position = Script().cursor;
    return true;
}

bool Platform::SetCursorPos(int x, int y) {
    Script().cursor = Point{x, y};
    Script().Log("SetCursorPos(" + std::to_string(x) + ", " + std::to_string(y) + ")");
    return true;
}

int Platform::ShowCursor(bool show) {
    Script().cursorDisplayCount += show ? 1 : -1;
    Script().Log(Describe("ShowCursor", show));
    return Script().cursorDisplayCount;
}
