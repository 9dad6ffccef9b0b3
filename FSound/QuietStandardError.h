#pragma once

// Points standard error at /dev/null for as long as it lives. The audio libraries under SDL
// report every device they fail to find there, and this library says nothing.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int _savedStream;  // the real standard error, -1 if it could not be kept
};
