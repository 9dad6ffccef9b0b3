#include "SdlDebugOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "../Platform.h"

namespace {

int TakeOverStandardError() {
    const int debugStream = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (debugStream < 0 || devNull < 0) return STDERR_FILENO;
    dup2(devNull, STDERR_FILENO);
    close(devNull);
    return debugStream;
}

int DebugStream() {
    static const int stream = TakeOverStandardError();
    return stream;
}

}  // namespace

void SilenceStandardError() { DebugStream(); }

void Platform::OutputDebugStringA(const char* text) {
    const int stream = DebugStream();
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(stream, text, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}
