#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A death-test pattern that matches `text` exactly; "@LINE@" stands for any line number.
std::string ExactText(const std::string& text);

// A death-test pattern that finds `text` anywhere in the output.
std::string ContainsText(const std::string& text);

// The report AssertionFailure writes, with "@LINE@" for the line.
std::string Report(const std::string& file, const std::string& expression, const std::string& message);

// The two message boxes, as the scripted platform writes them, that follow every report;
// they are owned by the game window once it exists.
std::string FatalBoxes(const std::string& name, const std::string& report, bool hasWindow = false);

// What the application's whole shutdown writes, with the console running or not.
std::string ShutdownLines(bool isConsoleRunning);

// One line printed through the console, running or not.
std::string ConsoleLine(const std::string& text, bool isConsoleRunning);

// A fresh working folder for files the test writes; the process moves into it.
void EnterScratchFolder();

// A TGA file with the given header fields and pixel bytes (descriptor 0).
void WriteTga(const std::string& path, int width, int height, int bitsPerPixel, const std::vector<std::uint8_t>& pixels,
              const std::vector<std::uint8_t>& header12 = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0});
