#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AssertionFailure.h"

// The engine's text log: a ring of lines, each echoed to the debugger output.
class TheConsole {
public:
    TheConsole();
    ~TheConsole();

    void Startup();
    void Shutdown();

    void Printf(const char* format, ...) ENGINE_PRINTF_FORMAT(2, 3);
    void PrintfCategory(std::uint32_t categoryMask, const char* format, ...) ENGINE_PRINTF_FORMAT(3, 4);
    void AddText(const char* text);
    void AddLine(const char* text, int length);

    int GetLastLineIndex() const { return _totalLines - 1; }
    int GetFirstLineIndex() const { return GetLastLineIndex() - _lineCount + 1; }
    const std::string& GetLine(int index) const;

private:
    std::string& _StoreLine(std::string&& line);

    std::uint32_t _categoryMask;
    std::vector<std::string> _lines;
    std::int32_t _maxLines;
    std::int32_t _lineCount;
    std::int32_t _newestSlot;
    std::int32_t _totalLines;

    static bool _isInitialized;
};

extern TheConsole theConsole;
