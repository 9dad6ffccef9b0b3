#pragma once
#include <SDL.h>

// What the SDL backend's operations share: the one window and its context.
struct SdlState {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool isVideoReady = false;
    bool isWindowClosed = false;         // the default processing of WM_CLOSE ran
    bool isQuitPosted = false;           // PostQuitMessage, seen by the next peek
    int pendingFullscreenMode = -1;      // the driver mode ChangeDisplaySettingsA switched to
    int cursorDisplayCount = 0;          // ShowCursor's count; shown while >= 0
};

SdlState& TheSdlState();

// Starts SDL's video subsystem on first need; false where no display can be opened.
bool EnsureSdlVideo();

// Finishes the context's drawing and deletes it, before SDL closes the display at the end of
// the process: a context left for the display's closing to delete can deadlock the software
// rasteriser's threads (Mesa's llvmpipe) while a last frame is still in flight.
void ReleaseSdlContext();
