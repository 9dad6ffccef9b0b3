#include "TheConsole.h"

#include <cstdarg>
#include <cstring>

bool TheConsole::_isInitialized = false;

namespace {

constexpr std::int32_t MAX_LINES = 65536;

}  // namespace

TheConsole::TheConsole()
    : _categoryMask(0xFFFFFFFF), _maxLines(MAX_LINES), _lineCount(1), _newestSlot(0), _totalLines(1) {}

TheConsole::~TheConsole() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheConsole was destroyed while running; Shutdown() should be called first!");
}

void TheConsole::Startup() {
    Printf("::: Initialization : Console (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheConsole was initialized twice; either a second TheConsole was started or Startup() was "
                      "called on an already-running system.");
    _lines.clear();
    _lines.emplace_back();
    _lineCount = 1;
    _newestSlot = 0;
    _isInitialized = true;
    Printf("::: Initialization : Console (finished)\n");
}

void TheConsole::Shutdown() {
    Printf("::: Shutdown : Console (starting)\n");
    _isInitialized = false;
    Printf("::: Shutdown : Console (finished)\n");
}

void TheConsole::Printf(const char* format, ...) {
    char text[ASSERTION_TEXT_SIZE];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(text, sizeof(text), format, arguments);
    va_end(arguments);
    if (!_isInitialized) {
        DebugPrintf("CONSOLE (pre-initialization!): %s\n", text);
        return;
    }
    AddText(text);
}

void TheConsole::PrintfCategory(std::uint32_t categoryMask, const char* format, ...) {
    if ((categoryMask & _categoryMask) == 0) return;
    char text[ASSERTION_TEXT_SIZE];
    std::va_list arguments;
    va_start(arguments, format);
    FormatStringV(text, sizeof(text), format, arguments);
    va_end(arguments);
    AddText(text);
}

void TheConsole::AddText(const char* text) {
    while (*text != '\0') {
        const char* newline = std::strchr(text, '\n');
        if (newline == nullptr) {
            AddLine(text, static_cast<int>(std::strlen(text)));
            return;
        }
        AddLine(text, static_cast<int>(newline - text));
        text = newline + 1;
    }
}

// Stored first, then echoed: whoever reads the store while the echo is written (a debugger
// watching its output, say) finds the line there.
void TheConsole::AddLine(const char* text, int length) {
    const std::string& line = _StoreLine(std::string(text, static_cast<std::size_t>(length)));
    DebugPrintf("CONSOLE: %s\n", line.c_str());
}

std::string& TheConsole::_StoreLine(std::string&& line) {
    ++_totalLines;
    if (_lineCount < _maxLines) {
        ++_lineCount;
        ++_newestSlot;
        _lines.push_back(std::move(line));
        return _lines.back();
    }
    _newestSlot = (_newestSlot + 1 == _maxLines) ? 0 : _newestSlot + 1;
    std::string& slot = _lines[static_cast<std::size_t>(_newestSlot)];
    slot = std::move(line);
    return slot;
}

const std::string& TheConsole::GetLine(int index) const {
    int slot = _newestSlot - (_totalLines - 1) + index;
    if (slot < 0) slot += _lineCount;
    return _lines[static_cast<std::size_t>(slot)];
}
