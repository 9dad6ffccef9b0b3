#include "../Platform.h"
#include "Win32Api.h"

namespace {

// The message's time and cursor position are not carried: nothing in translation or
// dispatch reads them back from the record.
MSG NativeMessage(const Message& message) {
    MSG native = {};
    native.hwnd = static_cast<HWND>(message.window);
    native.message = message.message;
    native.wParam = message.wParam;
    native.lParam = message.lParam;
    return native;
}

}  // namespace

bool Platform::PeekMessageA(Message* message) {
    MSG native = {};
    if (!::PeekMessageA(&native, nullptr, 0, 0, PM_REMOVE)) return false;
    *message = Message{native.hwnd, native.message, native.wParam, native.lParam};
    return true;
}

void Platform::TranslateMessage(const Message& message) {
    const MSG native = NativeMessage(message);
    ::TranslateMessage(&native);
}

LResult Platform::DispatchMessageA(const Message& message) {
    const MSG native = NativeMessage(message);
    return ::DispatchMessageA(&native);
}

void Platform::PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

LResult Platform::DefWindowProcA(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    return ::DefWindowProcA(static_cast<HWND>(window), message, wParam, lParam);
}
