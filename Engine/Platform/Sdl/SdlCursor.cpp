#include "../Platform.h"
#include "SdlDisplayErrors.h"
#include "SdlState.h"

bool Platform::GetCursorPos(Point* position) {
    int x = 0;
    int y = 0;
    if (!IsDisplayLost()) SDL_GetGlobalMouseState(&x, &y);
    *position = Point{x, y};
    return true;
}

bool Platform::SetCursorPos(int x, int y) { return !IsDisplayLost() && SDL_WarpMouseGlobal(x, y) == 0; }

// Like Win32, a display count: the cursor shows while it is 0 or more.
int Platform::ShowCursor(bool show) {
    int& count = TheSdlState().cursorDisplayCount;
    count += show ? 1 : -1;
    if (!IsDisplayLost()) SDL_ShowCursor(count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return count;
}
