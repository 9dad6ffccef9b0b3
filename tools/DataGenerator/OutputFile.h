#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

// Where datagen's files land: the folders are made as needed.
class OutputFile {
public:
    // False, after saying why on standard error, when the file cannot be written.
    static bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
};
