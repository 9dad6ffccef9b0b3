// The rendering context is a WebGL 1 context on the canvas, drawn through our OpenGL 1.1
// subset. A buffer swap hands the frame to the browser and waits for the next animation
// frame: the browser shows a canvas when the script gives control back, so each frame is
// drawn whole between two turns of the browser, one frame per animation frame. A context
// the browser takes away is the engine's fatal error, as a lost display is on Linux.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "../../AssertionFailure.h"
#include "../OpenGL.h"
#include "../Platform.h"
#include "../WindowsConstants.h"
#include "WebState.h"

namespace {

constexpr int THE_PIXEL_FORMAT = 1;

bool IsDrawable(const PixelFormatDescriptor& descriptor) {
    const std::uint32_t needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    return (descriptor.dwFlags & needed) == needed && descriptor.iPixelType == PFD_TYPE_RGBA;
}

EM_JS(void, TellPageFrameIsPresented, (), { Module.framePresented(); });

EM_JS(void, TellPageWebGLIsMissing, (), { Module.webglMissing(); });

EM_JS(void, TellPageContextIsLost, (), { Module.contextLost(); });

}  // namespace

int Platform::ChoosePixelFormat(DeviceContextHandle dc, const PixelFormatDescriptor& descriptor) {
    return (dc != nullptr && dc == TheWindowHandle() && IsDrawable(descriptor)) ? THE_PIXEL_FORMAT : 0;
}

bool Platform::SetPixelFormat(DeviceContextHandle dc, int pixelFormat, const PixelFormatDescriptor& descriptor) {
    WebState& state = TheWebState();
    state.wantsDepth = descriptor.cDepthBits > 0;
    return dc != nullptr && dc == TheWindowHandle() && pixelFormat == THE_PIXEL_FORMAT && IsDrawable(descriptor);
}

RenderingContextHandle Platform::CreateContext(DeviceContextHandle dc) {
    WebState& state = TheWebState();
    if (dc == nullptr || dc != TheWindowHandle()) return nullptr;
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;  // no alpha is asked for: the canvas is opaque
    attributes.depth = state.wantsDepth ? EM_TRUE : EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    state.context = static_cast<int>(emscripten_webgl_create_context("#canvas", &attributes));
    if (state.context <= 0) {
        TellPageWebGLIsMissing();
        return nullptr;
    }
    return &state.context;
}

bool Platform::MakeCurrent(DeviceContextHandle dc, RenderingContextHandle rc) {
    const WebState& state = TheWebState();
    return dc != nullptr && dc == TheWindowHandle() && rc == &state.context && state.context > 0 &&
           emscripten_webgl_make_context_current(state.context) == EMSCRIPTEN_RESULT_SUCCESS;
}

void CheckContext() {
    const WebState& state = TheWebState();
    const bool isLost = state.context > 0 && emscripten_is_webgl_context_lost(state.context) != EM_FALSE;
    if (isLost) TellPageContextIsLost();  // so the page can say so in a player's words
    ASSERT_ALL_BUILDS(!isLost, "The WebGL context of the canvas was lost.\n");
}

void Platform::SwapBuffers(DeviceContextHandle dc) {
    if (dc == nullptr || dc != TheWindowHandle()) return;
    glFlush();  // our OpenGL 1.1's batched drawing, into the frame before it is shown
    TheWebState().isFrameShown = true;
    TellPageFrameIsPresented();
    WaitForNextAnimationFrame();
}
