// StartUpFaults: an LD_PRELOAD library for the fatal path's tests. It makes one start-up call
// fail (CRIBBLESTORM_FAULT names it), and it sets the trap that a fork while another thread
// holds a lock meets: the program's first thread of its own (the head start's) takes a lock as
// it begins, before its creator goes on, and keeps it until the main thread waits for that
// thread or forks. A child forked meanwhile, as SDL forks one to draw a message box, inherits
// the lock taken and waits for it forever, as it would for the allocator's or the dynamic
// loader's; so does the program, for its box.
#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <ctime>

struct SDL_Window;

namespace {

// Longer than any start-up reaches its first box in; only a path that neither waits nor forks
// runs into it.
constexpr time_t LONGEST_HOLD_SECONDS = 20;

pthread_mutex_t heldLock = PTHREAD_MUTEX_INITIALIZER;
pthread_mutex_t stateLock = PTHREAD_MUTEX_INITIALIZER;
pthread_cond_t stateChanged = PTHREAD_COND_INITIALIZER;
bool isLockTaken = false;
bool isReleaseDue = false;

struct Start {
    void* (*routine)(void*);
    void* argument;
};

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool IsFaulty(const char* call) {
    const char* fault = std::getenv("CRIBBLESTORM_FAULT");
    return fault != nullptr && std::strcmp(fault, call) == 0;
}

void Tell(bool* flag) {
    pthread_mutex_lock(&stateLock);
    *flag = true;
    pthread_cond_broadcast(&stateChanged);
    pthread_mutex_unlock(&stateLock);
}

// Until the flag is set, or for the longest hold.
void AwaitFlag(const bool* flag) {
    timespec deadline{};
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += LONGEST_HOLD_SECONDS;
    pthread_mutex_lock(&stateLock);
    while (!*flag && pthread_cond_timedwait(&stateChanged, &stateLock, &deadline) == 0) {
    }
    pthread_mutex_unlock(&stateLock);
}

void DueRelease() { Tell(&isReleaseDue); }

void* HoldThenRun(void* startPointer) {
    const Start start = *static_cast<Start*>(startPointer);
    pthread_mutex_lock(&heldLock);
    Tell(&isLockTaken);
    AwaitFlag(&isReleaseDue);
    pthread_mutex_unlock(&heldLock);
    return start.routine(start.argument);
}

// In the child: the lock as the fork found it.
void TakeInheritedLock() {
    pthread_mutex_lock(&heldLock);
    pthread_mutex_unlock(&heldLock);
}

__attribute__((constructor)) void SetTrap() { pthread_atfork(nullptr, DueRelease, TakeInheritedLock); }

}  // namespace

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*routine)(void*),
                              void* argument) {
    static const auto real =
        Next<int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*)>("pthread_create");
    static std::atomic<bool> isFirst{true};
    if (!isFirst.exchange(false)) return real(thread, attributes, routine, argument);
    static Start start;
    start = Start{routine, argument};
    const int result = real(thread, attributes, HoldThenRun, &start);
    if (result == 0) AwaitFlag(&isLockTaken);
    return result;
}

extern "C" int pthread_join(pthread_t thread, void** result) {
    static const auto real = Next<int (*)(pthread_t, void**)>("pthread_join");
    DueRelease();
    return real(thread, result);
}

extern "C" SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int width, int height, unsigned flags) {
    static const auto real = Next<SDL_Window* (*)(const char*, int, int, int, int, unsigned)>("SDL_CreateWindow");
    return IsFaulty("SDL_CreateWindow") ? nullptr : real(title, x, y, width, height, flags);
}

extern "C" void* SDL_GL_CreateContext(SDL_Window* window) {
    static const auto real = Next<void* (*)(SDL_Window*)>("SDL_GL_CreateContext");
    return IsFaulty("SDL_GL_CreateContext") ? nullptr : real(window);
}

extern "C" int SDL_GL_MakeCurrent(SDL_Window* window, void* context) {
    static const auto real = Next<int (*)(SDL_Window*, void*)>("SDL_GL_MakeCurrent");
    return IsFaulty("SDL_GL_MakeCurrent") ? -1 : real(window, context);
}
