#pragma once
#include <SDL.h>

#include "../Platform.h"

// Turns one SDL event into the window message Windows would have sent for it; false for
// events the engine has no message for.
bool TranslateSdlEvent(const SDL_Event& event, WindowHandle window, Message* message);
