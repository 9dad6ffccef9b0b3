#include "SlashedPaths.h"

#include <string>

std::FILE* OpenSlashedPath(const char* fileName, const char* mode) {
    std::string path = fileName;
    for (char& character : path) {
        if (character == '\\') character = '/';
    }
    return std::fopen(path.c_str(), mode);
}
