#pragma once
#include <SDL.h>

#include "../Platform.h"

// The OpenGL framebuffer a window is made for: SDL chooses the window's visual when it
// makes the window.
struct SdlPixelFormat {
    int redBits;
    int greenBits;
    int blueBits;
    int depthBits;
    int stencilBits;
    bool isDoubleBuffered;

    bool operator==(const SdlPixelFormat& other) const {
        return redBits == other.redBits && greenBits == other.greenBits && blueBits == other.blueBits &&
               depthBits == other.depthBits && stencilBits == other.stencilBits &&
               isDoubleBuffered == other.isDoubleBuffered;
    }
};

// What the engine's 32-bit descriptor asks for, and so what a window is first made for.
constexpr SdlPixelFormat USUAL_PIXEL_FORMAT = {8, 8, 8, 16, 0, true};

// What the SDL backend's operations share: the one window and its context.
struct SdlState {
    SDL_Window* window = nullptr;
    SdlPixelFormat windowFormat = USUAL_PIXEL_FORMAT;  // what the window was made for
    SDL_GLContext context = nullptr;
    bool isVideoReady = false;
    bool isWindowClosed = false;         // the default processing of WM_CLOSE ran
    bool isQuitPosted = false;           // PostQuitMessage, seen by the next peek
    int cursorDisplayCount = 0;          // ShowCursor's count; shown while >= 0
};

SdlState& TheSdlState();

// Starts SDL's video subsystem on first need; false where no display can be opened.
bool EnsureSdlVideo();

// Finishes the context's drawing and deletes it, before SDL closes the display at the end of
// the process: a context left for the display's closing to delete can deadlock the software
// rasteriser's threads (Mesa's llvmpipe) while a last frame is still in flight.
void ReleaseSdlContext();

// The engine's handle of the one window (null before it exists). It stays the same when
// the SDL window behind it is made anew for another pixel format.
WindowHandle TheWindowHandle();

// The SDL window behind a window or device-context handle; null for null.
SDL_Window* SdlWindowOf(WindowHandle window);
