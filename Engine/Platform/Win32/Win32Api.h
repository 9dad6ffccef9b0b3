#pragma once
// windows.h as the Windows backend includes it: the lean set and no min/max macros. Only
// files of this folder include it; the engine takes Win32's numbers from WindowsConstants.h.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
