#include "../OpenGL.h"
#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlState.h"

namespace {

constexpr int THE_PIXEL_FORMAT = 1;

bool IsSupported(const PixelFormatDescriptor& descriptor) {
    const std::uint32_t needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    return (descriptor.dwFlags & needed) == needed && descriptor.iPixelType == PFD_TYPE_RGBA;
}

}  // namespace

int Platform::ChoosePixelFormat(DeviceContextHandle dc, const PixelFormatDescriptor& descriptor) {
    return (dc != nullptr && IsSupported(descriptor)) ? THE_PIXEL_FORMAT : 0;
}

bool Platform::SetPixelFormat(DeviceContextHandle dc, int pixelFormat, const PixelFormatDescriptor& descriptor) {
    return dc != nullptr && pixelFormat == THE_PIXEL_FORMAT && IsSupported(descriptor);
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle dc) {
    if (dc == nullptr) return nullptr;
    SdlState& state = TheSdlState();
    state.context = SDL_GL_CreateContext(static_cast<SDL_Window*>(dc));
    return state.context;
}

bool Platform::MakeCurrent(DeviceContextHandle dc, RenderingContextHandle rc) {
    return dc != nullptr && rc != nullptr && SDL_GL_MakeCurrent(static_cast<SDL_Window*>(dc), rc) == 0;
}

void Platform::SwapBuffers(DeviceContextHandle dc) {
    if (dc != nullptr && !TheSdlState().isWindowClosed) SDL_GL_SwapWindow(static_cast<SDL_Window*>(dc));
}

void ReleaseSdlContext() {
    SdlState& state = TheSdlState();
    if (state.context == nullptr) return;
    if (SDL_GL_GetCurrentContext() == state.context) glFinish();
    SDL_GL_MakeCurrent(state.window, nullptr);
    SDL_GL_DeleteContext(state.context);
    state.context = nullptr;
}
