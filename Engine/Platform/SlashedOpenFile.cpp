// Resource files where folders are separated by '/' only.
#include "Platform.h"
#include "SlashedPaths.h"

std::FILE* Platform::OpenFile(const char* fileName, const char* mode) { return OpenSlashedPath(fileName, mode); }
