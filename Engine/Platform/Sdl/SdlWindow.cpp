#include "../Platform.h"
#include "../WindowClassNames.h"
#include "../WindowsConstants.h"
#include "SdlState.h"
#include "SdlWindowMaker.h"

// Window frames belong to the window manager, which tells their size only once a window
// exists: the drawing area is the whole window.
bool Platform::AdjustWindowRectEx(Rect* /*rect*/, std::uint32_t /*style*/, bool /*hasMenu*/,
                                  std::uint32_t /*exStyle*/) {
    return true;
}

// A window that the full-screen switch made already (SDL switches a window, not the
// display) is taken over as it is.
WindowHandle Platform::CreateWindowExA(std::uint32_t /*exStyle*/, const char* className, const char* title,
                                       std::uint32_t style, int x, int y, int width, int height,
                                       InstanceHandle /*instance*/) {
    SdlState& state = TheSdlState();
    if (!IsRegisteredClass(className) || !EnsureSdlVideo()) return nullptr;
    if (state.window != nullptr) {
        SDL_SetWindowTitle(state.window, title);
        return TheWindowHandle();
    }
    const Uint32 frame = (style & WS_POPUP) != 0 ? SDL_WINDOW_BORDERLESS : 0;
    const bool isMade = MakeSdlWindow(title, SDL_Rect{x, y, width, height}, SDL_WINDOW_HIDDEN | frame,
                                      USUAL_PIXEL_FORMAT);
    return isMade ? TheWindowHandle() : nullptr;
}

void Platform::ShowWindow(WindowHandle window, int command) {
    SDL_Window* sdlWindow = SdlWindowOf(window);
    if (sdlWindow == nullptr || TheSdlState().isWindowClosed) return;
    if (command == SW_HIDE) {
        SDL_HideWindow(sdlWindow);
    } else {
        SDL_ShowWindow(sdlWindow);
    }
}

void Platform::SetForegroundWindow(WindowHandle window) {
    if (SDL_Window* sdlWindow = SdlWindowOf(window)) SDL_RaiseWindow(sdlWindow);
}

void Platform::SetFocus(WindowHandle window) {
    if (SDL_Window* sdlWindow = SdlWindowOf(window)) SDL_SetWindowInputFocus(sdlWindow);
}

// The window is its own device context.
DeviceContextHandle Platform::GetDC(WindowHandle window) { return window; }
