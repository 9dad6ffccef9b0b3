#include "OutputFile.h"

#include <cstdio>
#include <fstream>

bool OutputFile::Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file) return true;
    std::fprintf(stderr, "datagen: cannot write %s\n", path.string().c_str());
    return false;
}
