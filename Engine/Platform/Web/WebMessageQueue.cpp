#include "../Platform.h"
#include "../WindowsConstants.h"
#include "WebState.h"

bool Platform::PeekMessageA(Message* message) {
    CheckContext();  // a loss met while the browser had its turn
    WebState& state = TheWebState();
    if (state.isQuitPosted) {
        state.isQuitPosted = false;
        *message = Message{nullptr, WM_QUIT, 0, 0};
        return true;
    }
    if (state.queueCount == 0) return false;
    *message = state.queue[static_cast<std::size_t>(state.queueFirst)];
    state.queueFirst = (state.queueFirst + 1) % WebState::QUEUE_SIZE;
    --state.queueCount;
    return true;
}

void Platform::TranslateMessage(const Message& /*message*/) {}  // no character messages are needed

LResult Platform::DispatchMessageA(const Message& message) {
    return EngineWindowProcedure(message.window, message.message, message.wParam, message.lParam);
}

void Platform::PostQuitMessage(int /*exitCode*/) { TheWebState().isQuitPosted = true; }

// A page has no close box and no system keys of its own to act on: closing the tab ends
// the page, whatever the engine does.
LResult Platform::DefWindowProcA(WindowHandle /*window*/, std::uint32_t /*message*/, WParam /*wParam*/,
                                 LParam /*lParam*/) {
    return 0;
}
