// FirstSwap: an LD_PRELOAD library that ends the program when its first buffer swap
// (SDL_GL_SwapWindow or glXSwapBuffers) has returned, writing that moment (CLOCK_MONOTONIC,
// nanoseconds) to the file BENCH_FIRST_SWAP_OUT. It wraps nothing else, so that the time to
// the first frame is measured as an outsider would, without the frame probe's counting.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

int swapDepth = 0;  // SDL's swap calls glXSwapBuffers: the outer one counts

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

[[noreturn]] void WriteMomentAndExit() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (std::FILE* out = std::fopen(std::getenv("BENCH_FIRST_SWAP_OUT"), "w")) {
        std::fprintf(out, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fclose(out);
    }
    _exit(0);
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(void* window) {
    static const auto real = Next<void (*)(void*)>("SDL_GL_SwapWindow");
    ++swapDepth;
    real(window);
    if (--swapDepth == 0) WriteMomentAndExit();
}

extern "C" void glXSwapBuffers(void* display, unsigned long drawable) {
    static const auto real = Next<void (*)(void*, unsigned long)>("glXSwapBuffers");
    ++swapDepth;
    real(display, drawable);
    if (--swapDepth == 0) WriteMomentAndExit();
}
