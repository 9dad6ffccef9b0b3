#include "../Platform.h"
#include "SdlCloseSignals.h"
#include "SdlDisplayErrors.h"
#include "SdlState.h"

// A modal box that waits for the user; where no display can be opened, or the display was
// lost, it shows nothing and returns at once, leaving the report on standard error alone.
// A box cut short (by a close signal, or an X error in the box's own process) is the last.
int Platform::MessageBoxA(WindowHandle owner, const char* text, const char* caption, std::uint32_t /*style*/) {
    if (IsDisplayLost() || AreFatalBoxesCut()) return 0;
    SDL_Window* window = TheSdlState().isWindowClosed ? nullptr : SdlWindowOf(owner);
    BeginFatalBoxes();
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, window) != 0) {
        CutFatalBoxes();
        return 0;
    }
    return 1;
}
