#include <string>

#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlState.h"

namespace {

// The class a window may be created with; SDL has no classes of its own.
std::string& RegisteredClassName() {
    static std::string name;
    return name;
}

constexpr int PRIMARY_DISPLAY = 0;

// The visual is chosen when an SDL window is made, so the context's wishes are set here;
// SetPixelFormat only confirms them.
void RequestDefaultPixelFormat() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

void EnterPendingFullscreenMode(SDL_Window* window) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(PRIMARY_DISPLAY, TheSdlState().pendingFullscreenMode, &mode) != 0) return;
    SDL_SetWindowDisplayMode(window, &mode);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
}

}  // namespace

bool Platform::RegisterClassA(const WindowClass& windowClass) {
    if (windowClass.className == nullptr) return false;
    RegisteredClassName() = windowClass.className;
    return true;
}

// Window frames belong to the window manager, which tells their size only once a window
// exists: the drawing area is the whole window.
bool Platform::AdjustWindowRectEx(Rect* /*rect*/, std::uint32_t /*style*/, bool /*hasMenu*/,
                                  std::uint32_t /*exStyle*/) {
    return true;
}

WindowHandle Platform::CreateWindowExA(std::uint32_t /*exStyle*/, const char* className, const char* title,
                                       std::uint32_t style, int x, int y, int width, int height,
                                       InstanceHandle /*instance*/) {
    SdlState& state = TheSdlState();
    if (className == nullptr || RegisteredClassName() != className || !EnsureSdlVideo()) return nullptr;
    RequestDefaultPixelFormat();
    const bool isFullscreen = (style & WS_POPUP) != 0;
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | (isFullscreen ? SDL_WINDOW_BORDERLESS : 0);
    state.window = SDL_CreateWindow(title, x, y, width, height, flags);
    if (state.window != nullptr && isFullscreen) EnterPendingFullscreenMode(state.window);
    return state.window;
}

void Platform::ShowWindow(WindowHandle window, int command) {
    if (window == nullptr || TheSdlState().isWindowClosed) return;
    auto* sdlWindow = static_cast<SDL_Window*>(window);
    if (command == SW_HIDE) {
        SDL_HideWindow(sdlWindow);
    } else {
        SDL_ShowWindow(sdlWindow);
    }
}

void Platform::SetForegroundWindow(WindowHandle window) {
    if (window != nullptr) SDL_RaiseWindow(static_cast<SDL_Window*>(window));
}

void Platform::SetFocus(WindowHandle window) {
    if (window != nullptr) SDL_SetWindowInputFocus(static_cast<SDL_Window*>(window));
}

// The window is its own device context.
DeviceContextHandle Platform::GetDC(WindowHandle window) { return window; }
