// Opening resource files where folders are separated by '/' only: names written with '\'
// reach the same files.
#include <string>

#include "Platform.h"

std::FILE* Platform::OpenFile(const char* fileName, const char* mode) {
    std::string path = fileName;
    for (char& character : path) {
        if (character == '\\') character = '/';
    }
    return std::fopen(path.c_str(), mode);
}
