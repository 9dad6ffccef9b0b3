// A message box is shown in the page and answered at once: a page cannot wait for a click
// without stopping the browser, and the report stays on the page to be read.
#include <emscripten.h>

#include "../Platform.h"

namespace {

EM_JS(void, ShowMessageBox, (const char* caption, const char* text),
      { Module.messageBox(UTF8ToString(caption), UTF8ToString(text)); });

}  // namespace

int Platform::MessageBoxA(WindowHandle /*owner*/, const char* text, const char* caption, std::uint32_t /*style*/) {
    ShowMessageBox(caption, text);
    return 1;  // IDOK
}
