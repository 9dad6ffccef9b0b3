#include "EglTargets.h"

#include <EGL/eglext.h>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::printf("EGL: %s (error 0x%X)\n", what, static_cast<unsigned>(eglGetError()));
    std::exit(1);
}

}  // namespace

EglTargets::EglTargets() : _display(EGL_NO_DISPLAY), _desktopSurface(), _subsetSurface(), _desktop(), _subset() {
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) Fail("no eglGetPlatformDisplayEXT");
    _display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (_display == EGL_NO_DISPLAY || !eglInitialize(_display, nullptr, nullptr)) Fail("no surfaceless display");
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_PBUFFER_BIT,
                             EGL_RED_SIZE,
                             8,
                             EGL_GREEN_SIZE,
                             8,
                             EGL_BLUE_SIZE,
                             8,
                             EGL_ALPHA_SIZE,
                             8,
                             EGL_DEPTH_SIZE,
                             24,
                             EGL_STENCIL_SIZE,
                             8,
                             EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT | EGL_OPENGL_ES2_BIT,
                             EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(_display, wanted, &config, 1, &count) || count == 0) Fail("no RGBA pbuffer config");
    const EGLint size[] = {EGL_WIDTH, SIZE, EGL_HEIGHT, SIZE, EGL_NONE};
    _desktopSurface = eglCreatePbufferSurface(_display, config, size);
    _subsetSurface = eglCreatePbufferSurface(_display, config, size);
    eglBindAPI(EGL_OPENGL_API);
    _desktop = eglCreateContext(_display, config, EGL_NO_CONTEXT, nullptr);
    eglBindAPI(EGL_OPENGL_ES_API);
    const EGLint es2[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    _subset = eglCreateContext(_display, config, EGL_NO_CONTEXT, es2);
    if (_desktop == EGL_NO_CONTEXT || _subset == EGL_NO_CONTEXT) Fail("no desktop or ES 2 context");
}

void EglTargets::UseDesktop() {
    if (!eglMakeCurrent(_display, _desktopSurface, _desktopSurface, _desktop)) Fail("desktop context not current");
}

void EglTargets::UseSubset() {
    if (!eglMakeCurrent(_display, _subsetSurface, _subsetSurface, _subset)) Fail("ES context not current");
}
