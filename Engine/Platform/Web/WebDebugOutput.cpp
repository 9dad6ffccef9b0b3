// The debugger output is the page's: each text goes whole to the browser's console and to
// the page's debug panel (the page's cribblestorm.debugOutput).
#include <emscripten.h>

#include "../Platform.h"

namespace {

EM_JS(void, PostDebugOutput, (const char* text), { Module.debugOutput(UTF8ToString(text)); });

}  // namespace

void Platform::OutputDebugStringA(const char* text) { PostDebugOutput(text); }
