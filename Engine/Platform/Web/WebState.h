#pragma once
#include <array>

#include "../Platform.h"

// What the browser backend's operations share: the canvas's messages waiting for the
// engine, the cursor and the WebGL context. The page has one canvas, "#canvas".
struct WebState {
    static constexpr int QUEUE_SIZE = 256;
    std::array<Message, QUEUE_SIZE> queue{};  // a ring: events the engine has not taken yet
    int queueFirst = 0;
    int queueCount = 0;
    bool isQuitPosted = false;     // PostQuitMessage, seen by the next peek
    bool isWindowMade = false;
    bool isFrameShown = false;     // a first frame has been swapped onto the canvas
    int context = 0;               // the WebGL context's handle; 0 for none
    bool wantsDepth = true;        // the pixel format asks for a depth buffer
    Point cursor{0, 0};            // the last mouse position on the canvas
    int cursorDisplayCount = 0;    // ShowCursor's count; shown while >= 0
};

WebState& TheWebState();

// Queues a message for the engine; a full queue drops it, as a busy Windows queue would.
void PostWebMessage(const Message& message);

// The engine's handle of the one window, the canvas (null before it is made).
WindowHandle TheWindowHandle();

// Before the first frame (under the plaque, which covers the canvas until then), lets the
// browser run what waits (its events, its other tasks) once the engine has held it for a
// while, so the tab stays responsive while the game starts. Once frames are shown the swap
// gives it its turns.
void KeepStartResponsive();

// Waits for the browser's next animation frame: what is drawn from there on is shown when
// the engine next waits.
void WaitForNextAnimationFrame();

// Waits until the browser has painted the page as it is now.
void WaitUntilPainted();

// Raises the fatal error for a WebGL context the browser has taken away: every texture and
// display list went with it, and the engine keeps those for the life of the process.
void CheckContext();

// The canvas's events become window messages from here on.
void ListenToCanvas();
