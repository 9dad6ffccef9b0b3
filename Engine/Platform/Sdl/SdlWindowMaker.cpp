#include "SdlWindowMaker.h"

#include <string>

#include "SdlWindowIcon.h"

namespace {

constexpr Uint32 KEPT_FLAGS = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN | SDL_WINDOW_HIDDEN;

void RequestPixelFormat(const SdlPixelFormat& format) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, format.redBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, format.greenBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, format.blueBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.isDoubleBuffered ? 1 : 0);
    // Where SDL backs the window's surface with a renderer (Wayland), the plaque's, that
    // renderer is the one for the kind of context asked for here: one for another kind would
    // make the window anew for its own kind and leave its attributes for the game's context.
#if defined(CRIBBLESTORM_GLES2)
    // The engine's OpenGL 1.1 subset over ES 2, as the browser runs it.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "opengles2");
#else
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "opengl");
#endif
}

}  // namespace

bool MakeSdlWindow(const char* title, const SDL_Rect& area, Uint32 flags, const SdlPixelFormat& format) {
    SdlState& state = TheSdlState();
    RequestPixelFormat(format);
    state.window = SDL_CreateWindow(title, area.x, area.y, area.w, area.h, flags | SDL_WINDOW_OPENGL);
    state.windowFormat = format;
    if (state.window != nullptr) SdlWindowIcon::Apply(state.window);
    return state.window != nullptr;
}

bool RemakeSdlWindowFor(const SdlPixelFormat& format) {
    SdlState& state = TheSdlState();
    if (state.windowFormat == format) return true;
    SDL_Window* old = state.window;
    const std::string title = SDL_GetWindowTitle(old);
    const Uint32 flags = SDL_GetWindowFlags(old);
    SDL_Rect area;
    SDL_GetWindowPosition(old, &area.x, &area.y);
    SDL_GetWindowSize(old, &area.w, &area.h);
    SDL_DisplayMode mode;
    const bool isFullscreen = (flags & SDL_WINDOW_FULLSCREEN) != 0 && SDL_GetWindowDisplayMode(old, &mode) == 0;
    SDL_DestroyWindow(old);
    if (!MakeSdlWindow(title.c_str(), area, flags & KEPT_FLAGS, format)) return false;
    if ((flags & SDL_WINDOW_SHOWN) != 0) SDL_RaiseWindow(state.window);
    return !isFullscreen || EnterFullscreenMode(state.window, mode) == 0;
}

int EnterFullscreenMode(SDL_Window* window, const SDL_DisplayMode& mode) {
    if (SDL_SetWindowDisplayMode(window, &mode) != 0) return -1;
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
}
