#include "SdlCloseSignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>

namespace {

volatile std::sig_atomic_t closeSignals = 0;
volatile std::sig_atomic_t areFatalBoxesBegun = 0;
volatile std::sig_atomic_t areFatalBoxesCut = 0;
pid_t mainProcess = 0;

// "/proc/self/task/<pid>/children" without the formatter, which a signal handler may not use.
void ChildrenListPath(char* path) {
    const char prefix[] = "/proc/self/task/";
    char* end = path;
    for (const char* character = prefix; *character != '\0'; ++character) *end++ = *character;
    char digits[16];
    int count = 0;
    for (pid_t pid = getpid(); pid > 0; pid /= 10) digits[count++] = static_cast<char>('0' + pid % 10);
    while (count > 0) *end++ = digits[--count];
    const char suffix[] = "/children";
    for (const char* character = suffix; *character != '\0'; ++character) *end++ = *character;
    *end = '\0';
}

// The box is drawn by a child process of the main thread (SDL forks one).
void KillChildren() {
    char path[64];
    ChildrenListPath(path);
    const int list = open(path, O_RDONLY | O_CLOEXEC);
    if (list < 0) return;
    char text[256];
    const ssize_t length = read(list, text, sizeof(text));
    close(list);
    pid_t child = 0;
    for (ssize_t i = 0; i < length; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            child = child * 10 + (text[i] - '0');
        } else if (child > 0) {
            kill(child, SIGKILL);
            child = 0;
        }
    }
}

// Safe in a signal handler.
void CutFatalBoxes() {
    areFatalBoxesCut = 1;
    KillChildren();
}

// A box's own process (SDL forks one per box) ends on a close signal; the program's answers
// the box that waits, if any, and then shuts down in order.
void OnCloseSignal(int /*signal*/) {
    if (getpid() != mainProcess) _exit(1);
    if (areFatalBoxesBegun != 0) {
        CutFatalBoxes();
        return;
    }
    closeSignals = 1;
}

// A box forked after its boxes were cut (a signal between the check and SDL's fork) ends at once.
void EndBoxAfterCut() {
    if (areFatalBoxesCut != 0) _exit(1);
}

}  // namespace

void InstallCloseSignals() {
    mainProcess = getpid();
    std::signal(SIGINT, OnCloseSignal);
    std::signal(SIGTERM, OnCloseSignal);
    pthread_atfork(nullptr, nullptr, EndBoxAfterCut);
}

bool TakeCloseSignal() {
    if (closeSignals == 0) return false;
    closeSignals = 0;
    return true;
}

void BeginFatalBoxes() { areFatalBoxesBegun = 1; }

bool AreFatalBoxesCut() { return areFatalBoxesCut != 0; }
