// Positions as 64-bit numbers on every target: a long is 32 bits on Windows, where
// ftell and fseek fail past 2 GiB.
#include <cstdio>

#include "Platform.h"

namespace {

#if defined(_WIN32)
std::int64_t Tell(std::FILE* file) { return _ftelli64(file); }
int Seek(std::FILE* file, std::int64_t offset, int origin) { return _fseeki64(file, offset, origin); }
#else
std::int64_t Tell(std::FILE* file) { return ftello(file); }
int Seek(std::FILE* file, std::int64_t offset, int origin) { return fseeko(file, offset, origin); }
#endif

}  // namespace

std::uint64_t Platform::FileBytesLeft(std::FILE* file) {
    const std::int64_t position = Tell(file);
    if (position < 0 || Seek(file, 0, SEEK_END) != 0) return 0;
    const std::int64_t end = Tell(file);
    Seek(file, position, SEEK_SET);
    return end > position ? static_cast<std::uint64_t>(end - position) : 0;
}
