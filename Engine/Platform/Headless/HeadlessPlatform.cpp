#include "HeadlessPlatform.h"

#include "../WindowsConstants.h"

HeadlessPlatform& Headless() {
    static HeadlessPlatform platform;
    return platform;
}

bool Platform::QueryPerformanceFrequency(std::int64_t* countsPerSecond) {
    *countsPerSecond = HeadlessPlatform::COUNTS_PER_SECOND;
    return true;
}

bool Platform::QueryPerformanceCounter(std::int64_t* count) {
    *count = Headless().counter;
    return true;
}

void Platform::Sleep(std::uint32_t /*milliseconds*/) {}

void Platform::OutputDebugStringA(const char* /*text*/) {}

int Platform::MessageBoxA(WindowHandle /*owner*/, const char* text, const char* /*caption*/, std::uint32_t /*style*/) {
    if (Headless().onMessageBox != nullptr) Headless().onMessageBox(text);
    return 1;  // IDOK
}

// Nothing below is ever asked for without a window; each answer is the plain failure.
bool Platform::PeekMessageA(Message* /*message*/) { return false; }

void Platform::TranslateMessage(const Message& /*message*/) {}

LResult Platform::DispatchMessageA(const Message& /*message*/) { return 0; }

void Platform::PostQuitMessage(int /*exitCode*/) {}

LResult Platform::DefWindowProcA(WindowHandle /*window*/, std::uint32_t /*message*/, WParam /*wParam*/,
                                 LParam /*lParam*/) {
    return 0;
}

bool Platform::EnumDisplaySettingsA(std::uint32_t /*modeNumber*/, DeviceMode* /*mode*/) { return false; }

std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* /*mode*/, std::uint32_t /*flags*/) {
    return DISP_CHANGE_FAILED;
}

bool Platform::GetDesktopWindowRect(Rect* /*rect*/) { return false; }

bool Platform::RegisterClassA(const WindowClass& /*windowClass*/) { return false; }

bool Platform::AdjustWindowRectEx(Rect* /*rect*/, std::uint32_t /*style*/, bool /*hasMenu*/, std::uint32_t /*exStyle*/) {
    return false;
}

WindowHandle Platform::CreateWindowExA(std::uint32_t /*exStyle*/, const char* /*className*/, const char* /*title*/,
                                       std::uint32_t /*style*/, int /*x*/, int /*y*/, int /*width*/, int /*height*/,
                                       InstanceHandle /*instance*/) {
    return nullptr;
}

void Platform::ShowWindow(WindowHandle /*window*/, int /*command*/) {}

void Platform::SetForegroundWindow(WindowHandle /*window*/) {}

void Platform::SetFocus(WindowHandle /*window*/) {}

DeviceContextHandle Platform::GetDC(WindowHandle /*window*/) { return nullptr; }

int Platform::ChoosePixelFormat(DeviceContextHandle /*dc*/, const PixelFormatDescriptor& /*descriptor*/) { return 0; }

bool Platform::SetPixelFormat(DeviceContextHandle /*dc*/, int /*format*/, const PixelFormatDescriptor& /*descriptor*/) {
    return false;
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle /*dc*/) { return nullptr; }

bool Platform::MakeCurrent(DeviceContextHandle /*dc*/, RenderingContextHandle /*rc*/) { return false; }

void Platform::SwapBuffers(DeviceContextHandle /*dc*/) {}

void Platform::DrawPlaque(DeviceContextHandle /*dc*/, const PlaqueDescription& /*plaque*/) {}

FontHandle Platform::CreateFontIndirectA(const FontDescription& /*font*/) { return nullptr; }

FontHandle Platform::SelectObject(DeviceContextHandle /*dc*/, FontHandle /*font*/) { return nullptr; }

void Platform::DeleteObject(FontHandle /*font*/) {}

void Platform::UseFontBitmaps(DeviceContextHandle /*dc*/, std::uint32_t /*first*/, std::uint32_t /*count*/,
                              std::uint32_t /*listBase*/) {}

bool Platform::GetCursorPos(Point* /*position*/) { return false; }

bool Platform::SetCursorPos(int /*x*/, int /*y*/) { return false; }

int Platform::ShowCursor(bool /*show*/) { return 0; }
