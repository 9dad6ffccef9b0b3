// FirstFrameHold: an LD_PRELOAD library that holds the Linux program on its first frame with
// its clock stopped, for comparing that frame with the browser's page held the same way.
// Every CLOCK_MONOTONIC reading that the program's own code makes is the same instant, so
// every frame lasts the shortest time the engine allows, on both sides; the libraries the
// program loads keep the real clock. After the first buffer swap the program waits until it
// is killed, with that frame on the screen.
#include <dlfcn.h>
#include <link.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

struct SDL_Window;

namespace {

constexpr time_t STOPPED_SECONDS = 1000;

struct AddressRange {
    std::uintptr_t first = 0;
    std::uintptr_t end = 0;
};

// The dynamic linker lists the program first: its executable segment.
int FindProgramCode(dl_phdr_info* info, std::size_t /*size*/, void* data) {
    auto* code = static_cast<AddressRange*>(data);
    for (int index = 0; index < info->dlpi_phnum; ++index) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[index];
        if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
        code->first = info->dlpi_addr + segment.p_vaddr;
        code->end = code->first + segment.p_memsz;
    }
    return 1;
}

bool IsProgramCode(const void* address) {
    static const AddressRange code = [] {
        AddressRange range;
        dl_iterate_phdr(FindProgramCode, &range);
        return range;
    }();
    const auto value = reinterpret_cast<std::uintptr_t>(address);
    return value >= code.first && value < code.end;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int clock_gettime(clockid_t clock, timespec* time) {
    static const auto real = Next<int (*)(clockid_t, timespec*)>("clock_gettime");
    if (clock == CLOCK_MONOTONIC && IsProgramCode(__builtin_return_address(0))) {
        *time = timespec{STOPPED_SECONDS, 0};
        return 0;
    }
    return real(clock, time);
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static const auto real = Next<void (*)(SDL_Window*)>("SDL_GL_SwapWindow");
    real(window);
    for (;;) pause();
}
