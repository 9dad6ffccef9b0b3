#pragma once
#include <SDL.h>

#include "SdlState.h"

// Makes the program's one SDL window, an OpenGL window of the given pixel format; false
// when SDL cannot.
bool MakeSdlWindow(const char* title, const SDL_Rect& area, Uint32 flags, const SdlPixelFormat& format);

// Makes the window anew, in its place, size, state and mode, when it was made for another
// pixel format; false when that fails.
bool RemakeSdlWindowFor(const SdlPixelFormat& format);

// Switches the display to the mode with the window full screen on it, SDL's result: 0 on
// success. The window must be shown: SDL defers the switch of a hidden window.
int EnterFullscreenMode(SDL_Window* window, const SDL_DisplayMode& mode);
