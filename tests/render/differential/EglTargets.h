#pragma once
// Two off-screen frame buffers of SIZE x SIZE pixels on Mesa's EGL without a window system:
// one under a desktop OpenGL context, one under an OpenGL ES 2 context for our subset.
#include <EGL/egl.h>

class EglTargets {
public:
    static constexpr int SIZE = 128;

    EglTargets();  // exits with a message where EGL offers no such contexts
    void UseDesktop();
    void UseSubset();

private:
    EGLDisplay _display;
    EGLSurface _desktopSurface, _subsetSurface;
    EGLContext _desktop, _subset;
};
