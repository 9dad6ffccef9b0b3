#include "SdlHeadStart.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <pthread.h>

#include <cstdlib>

namespace {

// Mesa's software driver in the driver folders of the usual layouts (Debian's multiarch one,
// Fedora's, Arch's). Each driver of a Mesa build is one file under many names, so this one is
// the file a graphics card's driver name leads to as well.
constexpr const char* MESA_DRIVERS[] = {"/usr/lib/" CRIBBLESTORM_MULTIARCH "/dri/swrast_dri.so",
                                         "/usr/lib64/dri/swrast_dri.so", "/usr/lib/dri/swrast_dri.so"};

pthread_t worker;
bool isWorking = false;

// Loaded as Mesa loads it but for the global scope, which Mesa's own load of the same file
// then adds: its relocations, most of the time it takes to make the context, are done by
// then. A driver that Mesa is pointed to elsewhere is left for Mesa to load alone.
void LoadOpenGLDriver() {
    if (std::getenv("LIBGL_DRIVERS_PATH") != nullptr) return;
    for (const char* path : MESA_DRIVERS) {
        if (dlopen(path, RTLD_NOW | RTLD_LOCAL) != nullptr) return;
    }
}

void* Work(void* /*unused*/) {
    LoadOpenGLDriver();
    FcInit();
    return nullptr;
}

}  // namespace

void BeginHeadStart() { isWorking = pthread_create(&worker, nullptr, Work, nullptr) == 0; }

void AwaitHeadStart() {
    if (!isWorking) return;
    pthread_join(worker, nullptr);
    isWorking = false;
}
