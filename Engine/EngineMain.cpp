// The engine's entry and its message pump; each target's own entry point calls EngineMain.
#include "AssertionFailure.h"
#include "Platform/Platform.h"
#include "Platform/WindowsConstants.h"
#include "TheApplication.h"
#include "TheMessageHandler.h"

namespace {

// Handles every waiting message, and runs one frame per idle turn.
void RunMessageLoop() {
    while (!theApplication.IsShutDown()) {
        Message message;
        if (!Platform::PeekMessageA(&message)) {
            Platform::Sleep(0);
            theApplication.RunFrame();
        } else if (message.message == WM_QUIT) {
            theApplication.RequestShutdown();
        } else {
            Platform::TranslateMessage(message);
            Platform::DispatchMessageA(message);
        }
    }
}

}  // namespace

LResult EngineWindowProcedure(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    if (theMessageHandler.HandleMessage(window, message, wParam, lParam)) return 0;
    return Platform::DefWindowProcA(window, message, wParam, lParam);
}

int EngineMain(InstanceHandle instance, const char* commandLine) {
    InstallFailureHooks();
    theApplication.SetEntryArguments(instance, commandLine);
    theApplication.Startup();
    RunMessageLoop();
    return 0;
}
