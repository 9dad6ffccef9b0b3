#include "SdlState.h"

SdlState& TheSdlState() {
    static SdlState state;
    return state;
}

bool EnsureSdlVideo() {
    SdlState& state = TheSdlState();
    if (!state.isVideoReady) state.isVideoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    return state.isVideoReady;
}
