#include <GL/gl.h>

#include "GlCalls.h"

const GlCalls& DesktopCalls() {
#define GL_CALLS_DESKTOP(name) &::name,
    static const GlCalls calls = {GL_CALLS(GL_CALLS_DESKTOP)};
#undef GL_CALLS_DESKTOP
    return calls;
}
