// The one window is the page's canvas: made to the window's size, titled through the
// page's title, shown and hidden with the plaque layer over it.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "../Platform.h"
#include "../WindowClassNames.h"
#include "../WindowsConstants.h"
#include "WebState.h"

namespace {

EM_JS(void, SetTitle, (const char* title), { document.title = UTF8ToString(title); });

EM_JS(void, ShowCanvas, (int isShown), { Module.showWindow(isShown !== 0); });

EM_JS(void, FocusCanvas, (), { Module.canvas.focus(); });

}  // namespace

// The page draws no frame around the canvas: the drawing area is the whole window.
bool Platform::AdjustWindowRectEx(Rect* /*rect*/, std::uint32_t /*style*/, bool /*hasMenu*/,
                                  std::uint32_t /*exStyle*/) {
    return true;
}

WindowHandle Platform::CreateWindowExA(std::uint32_t /*exStyle*/, const char* className, const char* title,
                                       std::uint32_t /*style*/, int /*x*/, int /*y*/, int width, int height,
                                       InstanceHandle /*instance*/) {
    WebState& state = TheWebState();
    if (!IsRegisteredClass(className) || state.isWindowMade) return nullptr;
    if (emscripten_set_canvas_element_size("#canvas", width, height) != EMSCRIPTEN_RESULT_SUCCESS) return nullptr;
    SetTitle(title);
    ShowCanvas(0);
    state.isWindowMade = true;
    ListenToCanvas();
    return TheWindowHandle();
}

void Platform::ShowWindow(WindowHandle window, int command) {
    if (window == nullptr || window != TheWindowHandle()) return;
    ShowCanvas(command != SW_HIDE);
}

void Platform::SetForegroundWindow(WindowHandle /*window*/) {}

void Platform::SetFocus(WindowHandle window) {
    if (window != nullptr && window == TheWindowHandle()) FocusCanvas();
}

// The window is its own device context.
DeviceContextHandle Platform::GetDC(WindowHandle window) { return window; }
