#include "WebState.h"

WebState& TheWebState() {
    static WebState state;
    return state;
}

void PostWebMessage(const Message& message) {
    WebState& state = TheWebState();
    if (state.queueCount == WebState::QUEUE_SIZE) return;
    const int last = (state.queueFirst + state.queueCount) % WebState::QUEUE_SIZE;
    state.queue[static_cast<std::size_t>(last)] = message;
    ++state.queueCount;
}

WindowHandle TheWindowHandle() {
    static int canvas = 0;
    return TheWebState().isWindowMade ? &canvas : nullptr;
}
