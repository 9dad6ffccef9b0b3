#include "TheMessageHandler.h"

#include "AssertionFailure.h"
#include "Platform/WindowsConstants.h"
#include "TheApplication.h"
#include "TheConsole.h"
#include "TheInputSystem.h"

bool TheMessageHandler::_isInitialized = false;

namespace {

// Mouse buttons reach the input system as the key messages of their virtual keys, with an
// lParam of 0, so that a button never counts as a repeat.
struct ButtonMessage {
    std::uint32_t message;
    std::uint32_t keyMessage;
    std::uint8_t virtualKey;
};

constexpr ButtonMessage BUTTON_MESSAGES[] = {
    {WM_LBUTTONDOWN, WM_KEYDOWN, VK_LBUTTON}, {WM_LBUTTONUP, WM_KEYUP, VK_LBUTTON},
    {WM_RBUTTONDOWN, WM_KEYDOWN, VK_RBUTTON}, {WM_RBUTTONUP, WM_KEYUP, VK_RBUTTON},
    {WM_MBUTTONDOWN, WM_KEYDOWN, VK_MBUTTON}, {WM_MBUTTONUP, WM_KEYUP, VK_MBUTTON},
};

bool HandleButton(std::uint32_t message) {
    for (const ButtonMessage& button : BUTTON_MESSAGES) {
        if (button.message == message) return theInputSystem.HandleMessage(button.keyMessage, button.virtualKey, 0);
    }
    return false;
}

}  // namespace

TheMessageHandler::~TheMessageHandler() {
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheMessageHandler was destroyed while running; Shutdown() should be called first!");
}

void TheMessageHandler::Startup() {
    theConsole.Printf("::: Initialization : Message Handler (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheMessageHandler was initialized twice; either a second TheMessageHandler was started or "
                      "Startup() was called on an already-running system.");
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Message Handler (finished)\n");
}

void TheMessageHandler::Shutdown() {
    theConsole.Printf("::: Shutdown : Message Handler (starting)\n");
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Message Handler (finished)\n");
}

bool TheMessageHandler::HandleMessage(WindowHandle /*window*/, std::uint32_t message, WParam wParam, LParam lParam) {
    switch (message) {
        case WM_CLOSE:
            Platform::PostQuitMessage(0);
            return false;
        case WM_ACTIVATEAPP:
            if (wParam == 1) {
                theApplication.OnAppActivated();
            } else {
                theApplication.OnAppDeactivated();
            }
            return false;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_MOUSEWHEEL:
            return theInputSystem.HandleMessage(message, wParam, lParam);
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            theInputSystem.HandleMessage(message, wParam, lParam);
            return false;
        default:
            return HandleButton(message);
    }
}
