// The browser's turn in the middle of the engine's work: the engine's stack is put aside
// until the next animation frame, when the browser has drawn the page. The engine resumes
// as a user callback of the runtime's, which takes the runtime's exit there (the end of the
// game, normal or fatal) as the end it is rather than as an uncaught error.
#include <emscripten.h>

#include "WebState.h"

namespace {

EM_JS(void, WaitForAnimationFrame, (),
      { Asyncify.handleSleep(wakeUp => requestAnimationFrame(() => callUserCallback(wakeUp))); });

}  // namespace

void GiveBrowserATurn() { WaitForAnimationFrame(); }
