#include "SdlState.h"

#include "SdlDisplayErrors.h"
#include "SdlKeyState.h"
#include "SdlWaylandSeat.h"

SdlState& TheSdlState() {
    static SdlState state;
    return state;
}

bool EnsureSdlVideo() {
    SdlState& state = TheSdlState();
    if (!state.isVideoReady) {
        InstallDisplayErrorHandlers();
        // Without a seat only X11 is tried: where there is none either, the engine reports
        // that no display can be had.
        if (IsWaylandWithoutSeat()) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
        state.isVideoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (state.isVideoReady) ListenToKeyCodes();
    }
    return state.isVideoReady;
}

WindowHandle TheWindowHandle() {
    SdlState& state = TheSdlState();
    return state.window != nullptr ? &state : nullptr;
}

SDL_Window* SdlWindowOf(WindowHandle window) { return window != nullptr ? TheSdlState().window : nullptr; }
