#include "../Platform.h"
#include "Win32Api.h"

bool Platform::GetCursorPos(Point* position) {
    POINT native = {};
    const BOOL success = ::GetCursorPos(&native);
    *position = Point{native.x, native.y};
    return success != FALSE;
}

bool Platform::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != FALSE; }

int Platform::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }
