#include "../Platform.h"
#include "Win32Api.h"

namespace {

// The engine never destroys its window; a window destroyed from outside (or by the default
// processing of a close) ends the game in order, through the quit message.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = EngineWindowProcedure(window, message, wParam, lParam);
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return result;
}

}  // namespace

bool Platform::RegisterClassA(const WindowClass& windowClass) {
    WNDCLASSA native = {};
    native.style = windowClass.style;
    native.lpfnWndProc = WindowProcedure;
    native.cbClsExtra = 0;
    native.cbWndExtra = 0;
    native.hInstance = static_cast<HINSTANCE>(windowClass.instance);
    native.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    native.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    native.hbrBackground = nullptr;
    native.lpszMenuName = nullptr;
    native.lpszClassName = windowClass.className;
    return ::RegisterClassA(&native) != 0;
}

bool Platform::AdjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle) {
    RECT native = {rect->left, rect->top, rect->right, rect->bottom};
    const BOOL success = ::AdjustWindowRectEx(&native, style, hasMenu ? TRUE : FALSE, exStyle);
    *rect = Rect{native.left, native.top, native.right, native.bottom};
    return success != FALSE;
}

WindowHandle Platform::CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title,
                                       std::uint32_t style, int x, int y, int width, int height,
                                       InstanceHandle instance) {
    return ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, nullptr, nullptr,
                             static_cast<HINSTANCE>(instance), nullptr);
}

void Platform::ShowWindow(WindowHandle window, int command) { ::ShowWindow(static_cast<HWND>(window), command); }

void Platform::SetForegroundWindow(WindowHandle window) { ::SetForegroundWindow(static_cast<HWND>(window)); }

void Platform::SetFocus(WindowHandle window) { ::SetFocus(static_cast<HWND>(window)); }

DeviceContextHandle Platform::GetDC(WindowHandle window) { return ::GetDC(static_cast<HWND>(window)); }
