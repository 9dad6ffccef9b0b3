#include "../Platform.h"
#include "SdlCloseSignals.h"
#include "SdlDisplayErrors.h"
#include "SdlHeadStart.h"
#include "SdlState.h"

// A modal box that waits for the user; where no display can be opened, or the display was
// lost, it shows nothing and returns at once, leaving the report on standard error alone.
// A box a close signal cut short is the last; one that failed otherwise (an X error in the
// box's own process) leaves the next box to show.
int Platform::MessageBoxA(WindowHandle owner, const char* text, const char* caption, std::uint32_t /*style*/) {
    // SDL draws the box in a forked child, which inherits every lock as it stood at the fork:
    // one held by the head start's thread (the allocator's, the dynamic loader's, fontconfig's)
    // would never be released there. The box waits until that thread has ended.
    AwaitHeadStart();
    if (IsDisplayLost() || AreFatalBoxesCut()) return 0;
    SDL_Window* window = TheSdlState().isWindowClosed ? nullptr : SdlWindowOf(owner);
    BeginFatalBoxes();
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, window) == 0 ? 1 : 0;
}
