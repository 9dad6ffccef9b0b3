#pragma once
// What the fuzz targets share: files served from memory, failures turned into a return.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Platform::OpenFile serves `bytes` for a file name ending in `nameEnd`, and a 1 x 1 32-bit
// picture for every other file (the sprites a level's entities load).
void ServeFile(const std::string& nameEnd, std::vector<std::uint8_t> bytes);

// Runs body; a fatal assertion inside it ends body instead of the process.
void SurviveFailures(const std::function<void()>& body);
