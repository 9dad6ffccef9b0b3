#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlCloseSignals.h"
#include "SdlDisplayErrors.h"
#include "SdlEventTranslator.h"
#include "SdlState.h"

bool Platform::PeekMessageA(Message* message) {
    SdlState& state = TheSdlState();
    if (state.isQuitPosted) {
        state.isQuitPosted = false;
        *message = Message{nullptr, WM_QUIT, 0, 0};
        return true;
    }
    if (TakeCloseSignal()) {
        *message = Message{TheWindowHandle(), WM_CLOSE, 0, 0};
        return true;
    }
    CheckDisplay();  // a loss met while drawing, before the dead display is polled
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (TranslateSdlEvent(event, TheWindowHandle(), message)) return true;
    }
    CheckDisplay();
    return false;
}

void Platform::TranslateMessage(const Message& /*message*/) {}  // no character messages are needed

LResult Platform::DispatchMessageA(const Message& message) {
    return EngineWindowProcedure(message.window, message.message, message.wParam, message.lParam);
}

void Platform::PostQuitMessage(int /*exitCode*/) { TheSdlState().isQuitPosted = true; }

LResult Platform::DefWindowProcA(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    const bool isAltF4 = message == WM_SYSKEYDOWN && wParam == VK_F4 &&
                         (static_cast<std::uint32_t>(lParam) & KF_ALTDOWN_BIT) != 0;
    if (isAltF4) return EngineWindowProcedure(window, WM_CLOSE, 0, 0);
    if (message == WM_CLOSE) {
        // Closing hides the window for good; the context stays until the process ends.
        SdlState& state = TheSdlState();
        if (state.window != nullptr) SDL_HideWindow(state.window);
        state.isWindowClosed = true;
    }
    return 0;
}
