#include "SdlState.h"

#include "SdlDisplayErrors.h"

SdlState& TheSdlState() {
    static SdlState state;
    return state;
}

bool EnsureSdlVideo() {
    SdlState& state = TheSdlState();
    if (!state.isVideoReady) {
        InstallDisplayErrorHandlers();
        state.isVideoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    return state.isVideoReady;
}

WindowHandle TheWindowHandle() {
    SdlState& state = TheSdlState();
    return state.window != nullptr ? &state : nullptr;
}

SDL_Window* SdlWindowOf(WindowHandle window) { return window != nullptr ? TheSdlState().window : nullptr; }
