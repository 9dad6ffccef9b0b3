#pragma once
// OpenGL 1.1 with the BGR/BGRA extension formats, without windows.h: Windows' gl.h only
// needs the two calling-convention macros.
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
