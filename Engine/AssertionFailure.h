#pragma once
// The engine's one way to fail, active in every build, and the two bounded text routines
// that live with it.
#include <cstdarg>
#include <cstddef>

#if defined(__GNUC__)
#define ENGINE_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#define ENGINE_NO_RETURN __attribute__((noreturn))
#else
#define ENGINE_PRINTF_FORMAT(formatIndex, firstArgument)
#define ENGINE_NO_RETURN [[noreturn]]
#endif

// Size of every text buffer of this file; texts are cut to one less.
constexpr std::size_t ASSERTION_TEXT_SIZE = 2048;

// Reports, leaves full screen, hides the window, shows the report and a closing notice,
// shuts the application down in order and ends the process with exit code 1. A second
// entry (a failure during that shutdown) ends the process at once.
ENGINE_NO_RETURN void AssertionFailure(int line, const char* fileName, const char* scope, const char* expressionText,
                                       const char* messageFormat, ...) ENGINE_PRINTF_FORMAT(5, 6);

// Called by the entry point once static construction is over: from the runtime's exit on, a
// failure only reports (static objects are being destroyed), and a failed allocation that
// nothing else checks becomes a fatal error.
void InstallFailureHooks();

// For tests that must live through failures (the fuzz targets): the hook receives each
// report before anything is shown or shut down, and must not return.
using AssertionHook = void (*)(const char* report);
void SetAssertionHook(AssertionHook hook);

// printf into buffer, never more than size bytes, always terminated.
void FormatString(char* buffer, std::size_t size, const char* format, ...) ENGINE_PRINTF_FORMAT(3, 4);

// FormatString with the arguments already gathered.
void FormatStringV(char* buffer, std::size_t size, const char* format, std::va_list arguments);

// printf to the debugger output, cut at ASSERTION_TEXT_SIZE - 1 characters.
void DebugPrintf(const char* format, ...) ENGINE_PRINTF_FORMAT(1, 2);

#define ASSERT_ALL_BUILDS(expression, ...)                                                    \
    do {                                                                                      \
        if (!(expression)) AssertionFailure(__LINE__, __FILE__, "ALL BUILDS", #expression, __VA_ARGS__); \
    } while (0)

// An unconditional fatal error: a failing assertion whose expression text is empty.
#define FATAL_ERROR(...) AssertionFailure(__LINE__, __FILE__, "ALL BUILDS", "", __VA_ARGS__)
