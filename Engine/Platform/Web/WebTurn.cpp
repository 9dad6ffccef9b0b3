// The browser's turn in the middle of the engine's work: the engine's stack is put aside
// until the browser has run its other tasks, or until its next animation frame, once it has
// drawn the page. The engine resumes as a user callback of the runtime's, which takes the
// runtime's exit there (the end of the game, normal or fatal) as the end it is rather than
// as an uncaught error.
#include <emscripten.h>

#include "WebState.h"

namespace {

constexpr double START_SLICE_MILLISECONDS = 10.0;

EM_JS(void, WaitForAnimationFrame, (),
      { Asyncify.handleSleep(wakeUp => requestAnimationFrame(() => callUserCallback(wakeUp))); });

// A message to itself: a task of its own, without the few milliseconds a timeout may add.
EM_JS(void, WaitForNextTask, (), {
    Asyncify.handleSleep(wakeUp => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => callUserCallback(wakeUp);
        channel.port2.postMessage(0);
    });
});

}  // namespace

void KeepStartResponsive() {
    static double sliceStart = 0.0;
    if (TheWebState().isFrameShown || emscripten_get_now() - sliceStart < START_SLICE_MILLISECONDS) return;
    WaitForNextTask();
    sliceStart = emscripten_get_now();
}

void WaitForNextAnimationFrame() { WaitForAnimationFrame(); }

// The browser paints once the animation frame's callbacks are done, before its next task.
void WaitUntilPainted() {
    WaitForAnimationFrame();
    WaitForNextTask();
}
