#pragma once
// The OpenGL 1.1 calls a scene makes, as a table: one filled from the system's desktop OpenGL,
// one from our subset over ES 2, so that one scene player drives both.
#include "Engine/Platform/Gles/Gl11.h"

#define GL_CALLS(CALL)                                                                                          \
    CALL(glEnable) CALL(glDisable) CALL(glShadeModel) CALL(glBlendFunc) CALL(glClearColor) CALL(glClearDepth)    \
    CALL(glClear) CALL(glDepthFunc) CALL(glLineWidth) CALL(glPointSize) CALL(glFrontFace) CALL(glCullFace)       \
    CALL(glHint) CALL(glViewport) CALL(glPushAttrib) CALL(glPopAttrib) CALL(glPixelStorei) CALL(glReadPixels)    \
    CALL(glMatrixMode) CALL(glLoadIdentity) CALL(glPushMatrix) CALL(glPopMatrix) CALL(glOrtho)                   \
    CALL(glTranslatef) CALL(glRotatef) CALL(glScalef) CALL(glBegin) CALL(glEnd) CALL(glVertex2f)                 \
    CALL(glTexCoord2f) CALL(glColor4f) CALL(glColor4fv) CALL(glGenTextures) CALL(glBindTexture)                  \
    CALL(glTexParameteri) CALL(glTexImage2D) CALL(glGenLists) CALL(glNewList) CALL(glEndList) CALL(glListBase)   \
    CALL(glCallLists) CALL(glRasterPos2f) CALL(glBitmap) CALL(glFinish) CALL(glGetError)

struct GlCalls {
#define GL_CALLS_MEMBER(name) decltype(&Gl11::name) name;
    GL_CALLS(GL_CALLS_MEMBER)
#undef GL_CALLS_MEMBER
};

const GlCalls& DesktopCalls();  // the system's OpenGL, through whatever context is current
const GlCalls& SubsetCalls();    // ours, over the current ES context
