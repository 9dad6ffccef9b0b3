#pragma once
#include <cstdio>

// Opens a resource file where folders are separated by '/' only: names written with '\'
// reach the same files.
std::FILE* OpenSlashedPath(const char* fileName, const char* mode);
