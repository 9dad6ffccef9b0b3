#include "../OpenGL.h"
#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlDisplayErrors.h"
#include "SdlState.h"
#include "SdlWindowMaker.h"

namespace {

constexpr int THE_PIXEL_FORMAT = 1;

struct ColorSizes {
    int bits;
    int red;
    int green;
    int blue;
};

// The channel sizes of the colour depths a display has; no alpha is asked for.
constexpr ColorSizes COLOR_SIZES[] = {{32, 8, 8, 8}, {24, 8, 8, 8}, {16, 5, 6, 5}, {15, 5, 5, 5}, {8, 3, 3, 2}};

// What the descriptor asks for, in SDL's terms; false for what no window can have.
bool PixelFormatOf(const PixelFormatDescriptor& descriptor, SdlPixelFormat* format) {
    const std::uint32_t needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if ((descriptor.dwFlags & needed) != needed || descriptor.iPixelType != PFD_TYPE_RGBA) return false;
    for (const ColorSizes& sizes : COLOR_SIZES) {
        if (sizes.bits != descriptor.cColorBits) continue;
        *format = SdlPixelFormat{sizes.red, sizes.green, sizes.blue, descriptor.cDepthBits, descriptor.cStencilBits,
                                 (descriptor.dwFlags & PFD_DOUBLEBUFFER) != 0};
        return true;
    }
    return false;
}

}  // namespace

int Platform::ChoosePixelFormat(DeviceContextHandle dc, const PixelFormatDescriptor& descriptor) {
    SdlPixelFormat format;
    return (SdlWindowOf(dc) != nullptr && PixelFormatOf(descriptor, &format)) ? THE_PIXEL_FORMAT : 0;
}

// SDL gives a window its pixel format when it makes the window, so a window made for
// another format is made anew.
bool Platform::SetPixelFormat(DeviceContextHandle dc, int pixelFormat, const PixelFormatDescriptor& descriptor) {
    SdlPixelFormat format;
    return SdlWindowOf(dc) != nullptr && pixelFormat == THE_PIXEL_FORMAT && PixelFormatOf(descriptor, &format) &&
           RemakeSdlWindowFor(format);
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle dc) {
    SDL_Window* window = SdlWindowOf(dc);
    if (window == nullptr) return nullptr;
    WatchDisplayOf(window);
    SdlState& state = TheSdlState();
    state.context = SDL_GL_CreateContext(window);
    return state.context;
}

bool Platform::MakeCurrent(DeviceContextHandle dc, RenderingContextHandle rc) {
    SDL_Window* window = SdlWindowOf(dc);
    return window != nullptr && rc != nullptr && SDL_GL_MakeCurrent(window, rc) == 0;
}

// A display lost before or during the swap ends the game here: the next frame's drawing
// would ask the dead display for the window's size and clear a buffer of whatever came back.
// The flush hands our OpenGL 1.1's batched drawing to ES before the frame is shown.
void Platform::SwapBuffers(DeviceContextHandle dc) {
    SDL_Window* window = SdlWindowOf(dc);
    glFlush();
    if (window != nullptr && !TheSdlState().isWindowClosed) SDL_GL_SwapWindow(window);
    CheckDisplay();
}

void ReleaseSdlContext() {
    SdlState& state = TheSdlState();
    if (state.context == nullptr) return;
    if (SDL_GL_GetCurrentContext() == state.context) glFinish();
    SDL_GL_MakeCurrent(state.window, nullptr);
    SDL_GL_DeleteContext(state.context);
    state.context = nullptr;
}
