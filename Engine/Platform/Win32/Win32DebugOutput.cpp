#include "../Platform.h"
#include "Win32Api.h"

void Platform::OutputDebugStringA(const char* text) { ::OutputDebugStringA(text); }
