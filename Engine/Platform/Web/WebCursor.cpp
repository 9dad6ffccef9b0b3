// The cursor as far as a page knows it: its last place over the canvas, which is the whole
// "screen"; a page cannot move it, only hide it over the canvas.
#include <emscripten.h>

#include "../Platform.h"
#include "WebState.h"

namespace {

EM_JS(void, ShowCanvasCursor, (int isShown), { Module.canvas.style.cursor = isShown ? "" : "none"; });

}  // namespace

bool Platform::GetCursorPos(Point* position) {
    *position = TheWebState().cursor;
    return true;
}

bool Platform::SetCursorPos(int /*x*/, int /*y*/) { return false; }

// Like Win32, a display count: the cursor shows while it is 0 or more.
int Platform::ShowCursor(bool show) {
    int& count = TheWebState().cursorDisplayCount;
    count += show ? 1 : -1;
    ShowCanvasCursor(count >= 0);
    return count;
}
