#include "AssertionFailure.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "Platform/Platform.h"
#include "Platform/WindowsConstants.h"
#include "TheApplication.h"
#include "TheVideoSystem.h"

namespace {

bool _isInAssertionFailure = false;
bool _isProcessEnding = false;  // the runtime's exit has begun: static objects are going away
AssertionHook _assertionHook = nullptr;

constexpr std::uint32_t FATAL_BOX_STYLE = MB_OK | MB_ICONERROR | MB_SYSTEMMODAL | MB_SETFOREGROUND | MB_TOPMOST;

void ShowFatalBox(const char* text, const char* captionFormat) {
    char caption[ASSERTION_TEXT_SIZE];
    FormatString(caption, sizeof(caption), captionFormat, theApplication.GetName().c_str());
    Platform::MessageBoxA(TheVideoSystem::GetWindowHandle(), text, caption, FATAL_BOX_STYLE);
}

void OnProcessEnd() { _isProcessEnding = true; }

void OnOutOfMemory() { FATAL_ERROR("Out of memory: an allocation of the engine or a library failed\n"); }

}  // namespace

void InstallFailureHooks() {
    std::atexit(OnProcessEnd);
    std::set_new_handler(OnOutOfMemory);
}

void SetAssertionHook(AssertionHook hook) { _assertionHook = hook; }

void FormatStringV(char* buffer, std::size_t size, const char* format, std::va_list arguments) {
    if (size == 0) return;
    std::vsnprintf(buffer, size, format, arguments);
    buffer[size - 1] = '\0';
}

void FormatString(char* buffer, std::size_t size, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(buffer, size, format, arguments);
    va_end(arguments);
}

void DebugPrintf(const char* format, ...) {
    char text[ASSERTION_TEXT_SIZE];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(text, sizeof(text), format, arguments);
    va_end(arguments);
    Platform::OutputDebugStringA(text);
}

void AssertionFailure(int line, const char* fileName, const char* scope, const char* expressionText,
                      const char* messageFormat, ...) {
    if (_isInAssertionFailure) std::_Exit(1);

    char message[ASSERTION_TEXT_SIZE];
    std::va_list arguments;
    va_start(arguments, messageFormat);
    FormatStringV(message, sizeof(message), messageFormat, arguments);
    va_end(arguments);

    char report[ASSERTION_TEXT_SIZE];
    FormatString(report, sizeof(report), "ASSERTION FAILURE:\n%s(%d):  (%s)\nExpression was: ( %s )\n\n   %s\n",
                 fileName, line, scope, expressionText, message);
    if (_assertionHook != nullptr) _assertionHook(report);
    _isInAssertionFailure = true;
    Platform::OutputDebugStringA(report);
    // After the entry point: the services, the window and the name's users may be gone.
    if (_isProcessEnding) std::_Exit(1);

    // Leave full screen and hide the window, so that the boxes are seen.
    Platform::ChangeDisplaySettingsA(nullptr, 0);
    Platform::ShowWindow(TheVideoSystem::GetWindowHandle(), SW_HIDE);

    ShowFatalBox(report, "%s : Program Error");
    ShowFatalBox("The application will now close.", "%s : Emergency Shutdown");

    theApplication.RequestShutdown();
    theApplication.ShutdownIfRequested();
    std::exit(1);
}
