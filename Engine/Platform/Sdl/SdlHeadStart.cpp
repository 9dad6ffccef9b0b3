#include "SdlHeadStart.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Mesa's software driver in the driver folders of the usual layouts (Debian's multiarch one,
// Fedora's, Arch's). Each driver of a Mesa build is one file under many names, so this one is
// the file a graphics card's driver name leads to as well.
constexpr const char* MESA_DRIVERS[] = {"/usr/lib/" CRIBBLESTORM_MULTIARCH "/dri/swrast_dri.so",
                                         "/usr/lib64/dri/swrast_dri.so", "/usr/lib/dri/swrast_dri.so"};

// About what the heap grows by during start-up: Mesa's shader compiler and textures, the
// level's pictures and tables.
constexpr std::size_t WARM_HEAP_BYTES = std::size_t{28} << 20;

struct Span {
    void* start;
    std::size_t length;
};

pthread_t worker;
bool isWorking = false;
Span warmHeap = {nullptr, 0};

// The pages of a block taken at the heap's top and given back at once: the allocator keeps
// them (the program's entry point sets it so) and hands them out for the allocations to come,
// which the thread's faulting them in spares their first touch.
Span ReserveWarmHeap() {
    void* block = std::malloc(WARM_HEAP_BYTES);
    if (block == nullptr) return Span{nullptr, 0};
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(block) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + WARM_HEAP_BYTES) / page * page;
    std::free(block);
    return Span{reinterpret_cast<void*>(first), end - first};
}

// Loaded as Mesa loads it but for the global scope, which Mesa's own load of the same file
// then adds: its relocations, most of the time it takes to make the context, are done by
// then. A driver that Mesa is pointed to elsewhere is left for Mesa to load alone.
void LoadOpenGLDriver() {
    if (std::getenv("LIBGL_DRIVERS_PATH") != nullptr) return;
    for (const char* path : MESA_DRIVERS) {
        if (dlopen(path, RTLD_NOW | RTLD_LOCAL) != nullptr) return;
    }
}

// Populating pages leaves what they hold as it is, so the main thread may use them meanwhile.
void* Work(void* /*unused*/) {
    LoadOpenGLDriver();
    FcInit();
    if (warmHeap.length > 0) madvise(warmHeap.start, warmHeap.length, MADV_POPULATE_WRITE);
    return nullptr;
}

}  // namespace

void BeginHeadStart() {
    warmHeap = ReserveWarmHeap();
    isWorking = pthread_create(&worker, nullptr, Work, nullptr) == 0;
}

void AwaitHeadStart() {
    if (!isWorking) return;
    pthread_join(worker, nullptr);
    isWorking = false;
}
