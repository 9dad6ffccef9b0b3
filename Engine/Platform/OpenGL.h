#pragma once
// OpenGL 1.1 with the BGR/BGRA extension formats, without windows.h: Windows' gl.h only
// needs the two calling-convention macros. Where only OpenGL ES 2 is there (the browser),
// our own subset of OpenGL 1.1 over it stands in.
#if defined(CRIBBLESTORM_GLES2)
#include "Gles/Gl11.h"
using namespace Gl11;
#else
#if defined(_WIN32)
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#endif
#include <GL/gl.h>

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif
#endif
