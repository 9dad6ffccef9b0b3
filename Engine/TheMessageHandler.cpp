#include "TheMessageHandler.h"

#include "AssertionFailure.h"
#include "Platform/WindowsConstants.h"
#include "TheApplication.h"
#include "TheConsole.h"
#include "TheInputSystem.h"

bool TheMessageHandler::_isInitialized = false;

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
        case WM_LBUTTONDOWN:
            return theInputSystem.HandleMessage(WM_KEYDOWN, VK_LBUTTON, 0);
        case WM_LBUTTONUP:
            return theInputSystem.HandleMessage(WM_KEYUP, VK_LBUTTON, 0);
        case WM_RBUTTONDOWN:
            return theInputSystem.HandleMessage(WM_KEYDOWN, VK_RBUTTON, 0);
        case WM_RBUTTONUP:
            return theInputSystem.HandleMessage(WM_KEYUP, VK_RBUTTON, 0);
        case WM_MBUTTONDOWN:
            return theInputSystem.HandleMessage(WM_KEYDOWN, VK_MBUTTON, 0);
        case WM_MBUTTONUP:
            return theInputSystem.HandleMessage(WM_KEYUP, VK_MBUTTON, 0);
        default:
            return false;
    }
}
