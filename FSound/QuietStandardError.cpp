#include "QuietStandardError.h"

#include <fcntl.h>
#include <unistd.h>

QuietStandardError::QuietStandardError() : _savedStream(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3)) {
    if (_savedStream < 0) return;
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devNull < 0) return;
    dup2(devNull, STDERR_FILENO);
    close(devNull);
}

QuietStandardError::~QuietStandardError() {
    if (_savedStream < 0) return;
    dup2(_savedStream, STDERR_FILENO);
    close(_savedStream);
}
