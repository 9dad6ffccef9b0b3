#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>

namespace {

// Line numbers in the two regex dialects GoogleTest may use.
#if GTEST_USES_POSIX_RE
const char* const ANY_LINE = "[0-9]+";
#else
const char* const ANY_LINE = "\\d+";
#endif

const std::string LINE_MARK = "@LINE@";

std::string Escape(const std::string& text) {
    std::string pattern;
    for (char character : text) {
        if (std::string(".[](){}*+?|^$\\").find(character) != std::string::npos) pattern += '\\';
        pattern += character;
    }
    return pattern;
}

}  // namespace

std::string ExactText(const std::string& text) {
    std::string pattern = "^";
    std::size_t start = 0;
    for (std::size_t mark = text.find(LINE_MARK); mark != std::string::npos; mark = text.find(LINE_MARK, start)) {
        pattern += Escape(text.substr(start, mark - start)) + ANY_LINE;
        start = mark + LINE_MARK.size();
    }
    return pattern + Escape(text.substr(start)) + "$";
}

std::string ContainsText(const std::string& text) {
    const std::string exact = ExactText(text);
    return exact.substr(1, exact.size() - 2);
}

std::string Report(const std::string& file, const std::string& expression, const std::string& message) {
    return "ASSERTION FAILURE:\n" + file + "(@LINE@):  (ALL BUILDS)\nExpression was: ( " + expression + " )\n\n   " +
           message + "\n";
}

std::string FatalBoxes(const std::string& name, const std::string& report, bool hasWindow) {
    const std::string box = std::string("[MessageBoxA owner ") + (hasWindow ? "window" : "none") + ", style 0x51010] ";
    return box + name + " : Program Error\n" + report + "\n[/MessageBoxA]\n" + box + name +
           " : Emergency Shutdown\nThe application will now close.\n[/MessageBoxA]\n";
}

std::string ConsoleLine(const std::string& text, bool isConsoleRunning) {
    return isConsoleRunning ? "CONSOLE: " + text + "\n" : "CONSOLE (pre-initialization!): " + text + "\n\n";
}

std::string ShutdownLines(bool isConsoleRunning) {
    std::string text = ConsoleLine("::: _Shutdown : Application (starting)", isConsoleRunning);
    for (const char* service : {"Renderer", "Sound", "Video System", "Message Handler", "Input System"}) {
        text += ConsoleLine(std::string("::: Shutdown : ") + service + " (starting)", isConsoleRunning);
        text += ConsoleLine(std::string("::: Shutdown : ") + service + " (finished)", isConsoleRunning);
    }
    text += ConsoleLine("::: Shutdown : Console (starting)", isConsoleRunning);
    text += ConsoleLine("::: Shutdown : Console (finished)", false);
    return text + ConsoleLine("::: _Shutdown : Application (finished)", false);
}

void EnterScratchFolder() {
    static std::atomic<int> count{0};
    const auto folder = std::filesystem::temp_directory_path() /
                        ("cribblestorm-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                         "-" + std::to_string(count++));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
}

void WriteTga(const std::string& path, int width, int height, int bitsPerPixel, const std::vector<std::uint8_t>& pixels,
              const std::vector<std::uint8_t>& header12) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::uint8_t fields[6] = {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
                                    static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8),
                                    static_cast<std::uint8_t>(bitsPerPixel), 0};
    std::fwrite(header12.data(), 1, header12.size(), file);
    std::fwrite(fields, 1, sizeof(fields), file);
    if (!pixels.empty()) std::fwrite(pixels.data(), 1, pixels.size(), file);
    std::fclose(file);
}
