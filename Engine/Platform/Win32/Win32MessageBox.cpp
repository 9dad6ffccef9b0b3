#include "../Platform.h"
#include "Win32Api.h"

int Platform::MessageBoxA(WindowHandle owner, const char* text, const char* caption, std::uint32_t style) {
    return ::MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}
