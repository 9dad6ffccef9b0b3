#include "../Platform.h"

// Windows separates folders with '\' and '/' alike, so names go to the runtime unchanged.
std::FILE* Platform::OpenFile(const char* fileName, const char* mode) { return std::fopen(fileName, mode); }
