// FrameProbe: an LD_PRELOAD library that measures an unchanged OpenGL program from outside.
// It counts the program's GL calls, texture binds and heap allocations per presented frame
// and timestamps every buffer swap; after BENCH_PROBE_SECONDS of frames (0: the first frame)
// it writes one line per frame to BENCH_PROBE_OUT and ends the process. It writes nothing
// to standard error, which belongs to the program.
//
// Every counted GL entry point is a two-instruction trampoline (count, then jump to the real
// function), so it needs no signature and costs the program almost nothing.
#include <dlfcn.h>
#include <link.h>
#include <pthread.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if !defined(__x86_64__)
#error "FrameProbe's trampolines are written for x86-64"
#endif

// The GL entry points counted: OpenGL 1.1 and what the peers' libraries reach for beyond it.
#define PROBE_GL_FUNCTIONS(X)                                                                                     \
    X(glBegin) X(glEnd) X(glVertex2f) X(glVertex2i) X(glVertex3f) X(glTexCoord2f) X(glColor4f) X(glColor4fv)      \
    X(glColor4ub) X(glBindTexture) X(glBlendFunc) X(glBlendFuncSeparate) X(glBlendEquation)                        \
    X(glBlendEquationSeparate) X(glEnable) X(glDisable) X(glIsEnabled) X(glPushAttrib) X(glPopAttrib)               \
    X(glPushClientAttrib) X(glPopClientAttrib) X(glPushMatrix) X(glPopMatrix) X(glMatrixMode) X(glLoadIdentity)   \
    X(glLoadMatrixf) X(glMultMatrixf) X(glOrtho) X(glTranslatef) X(glRotatef) X(glScalef) X(glViewport)           \
    X(glScissor) X(glClear) X(glClearColor) X(glClearDepth) X(glShadeModel) X(glListBase) X(glCallLists)          \
    X(glCallList) X(glRasterPos2f) X(glRasterPos2i) X(glBitmap) X(glTexImage2D) X(glTexSubImage2D)                \
    X(glTexParameteri) X(glTexEnvi) X(glTexEnvf) X(glGenTextures) X(glPixelStorei) X(glGetIntegerv)               \
    X(glGetFloatv) X(glGetError) X(glGetString) X(glFlush) X(glFinish) X(glVertexPointer) X(glTexCoordPointer)    \
    X(glColorPointer) X(glEnableClientState) X(glDisableClientState) X(glDrawArrays) X(glDrawElements)            \
    X(glActiveTexture) X(glClientActiveTexture) X(glUseProgram) X(glBindBuffer) X(glBufferData)                   \
    X(glBufferSubData) X(glBindFramebuffer) X(glBindFramebufferEXT) X(glUniform1i) X(glUniform4f)                 \
    X(glUniformMatrix4fv) X(glVertexAttribPointer) X(glEnableVertexAttribArray) X(glDisableVertexAttribArray)     \
    X(glDepthFunc) X(glDepthMask) X(glColorMask) X(glLineWidth) X(glPointSize) X(glHint) X(glCullFace)            \
    X(glFrontFace) X(glAlphaFunc) X(glGenLists) X(glNewList) X(glEndList) X(glReadPixels) X(glDrawBuffer)         \
    X(glReadBuffer)

// The texture binds among them.
#define PROBE_BIND_FUNCTIONS(X) X(glBindTexture)

extern "C" {
#define PROBE_DECLARE(name) \
    __attribute__((visibility("hidden"))) std::uint64_t probe_count_##name; \
    __attribute__((visibility("hidden"))) void* probe_real_##name;
PROBE_GL_FUNCTIONS(PROBE_DECLARE)
#undef PROBE_DECLARE
}

#define PROBE_TRAMPOLINE(name)                          \
    ".globl " #name "\n"                                \
    ".type " #name ", @function\n" #name ":\n"          \
    "    incq probe_count_" #name "(%rip)\n"            \
    "    jmp *probe_real_" #name "(%rip)\n"             \
    ".size " #name ", . - " #name "\n"
asm(".text\n" PROBE_GL_FUNCTIONS(PROBE_TRAMPOLINE));
#undef PROBE_TRAMPOLINE

extern "C" {
#define PROBE_PROTOTYPE(name) void name();
PROBE_GL_FUNCTIONS(PROBE_PROTOTYPE)
#undef PROBE_PROTOTYPE
}

namespace {

struct GlEntry {
    const char* name;
    std::uint64_t* count;
    void** real;
    void (*trampoline)();
};

#define PROBE_ENTRY(name) {#name, &probe_count_##name, &probe_real_##name, &name},
const GlEntry GL_ENTRIES[] = {PROBE_GL_FUNCTIONS(PROBE_ENTRY)};
#undef PROBE_ENTRY
constexpr std::size_t GL_ENTRY_COUNT = sizeof(GL_ENTRIES) / sizeof(GL_ENTRIES[0]);

struct FrameRecord {
    std::int64_t presentedNs;
    std::int64_t processCpuNs;  // all the program's threads: what other programs on the machine barely change
    std::uint64_t glCalls;
    std::uint64_t binds;
    std::uint64_t programAllocations;
    std::uint64_t threadAllocations;
};

constexpr std::size_t MAX_FRAMES = 1 << 19;
FrameRecord frames[MAX_FRAMES];
std::size_t frameCount = 0;

// Allocations are counted on the thread that loaded the program (the one that draws):
// all of them, and those whose caller lies in the program itself.
pthread_t mainThread;
std::uintptr_t programTextBegin = 0;
std::uintptr_t programTextEnd = 0;
std::uint64_t threadAllocations = 0;
std::uint64_t programAllocations = 0;

const char* outputPath = nullptr;
double stopSeconds = 0.0;
int swapDepth = 0;

using SwapWindow = void (*)(void*);
using GlxSwap = void (*)(void*, unsigned long);
using GetProcAddress = void* (*)(const unsigned char*);
using NewFunction = void* (*)(std::size_t);
SwapWindow realSdlSwap = nullptr;
GlxSwap realGlxSwap = nullptr;
GetProcAddress realGetProcAddress = nullptr;
GetProcAddress realGetProcAddressArb = nullptr;
NewFunction realNew = nullptr;
NewFunction realNewArray = nullptr;

std::int64_t ClockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool IsMainThread() { return pthread_equal(pthread_self(), mainThread) != 0; }

void CountAllocation(void* caller) {
    if (!IsMainThread()) return;
    const auto address = reinterpret_cast<std::uintptr_t>(caller);
    if (address >= programTextBegin && address < programTextEnd) ++programAllocations;
}

int FindProgramText(dl_phdr_info* info, std::size_t, void*) {
    // The first object listed is the program itself.
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        if (header.p_type == PT_LOAD && (header.p_flags & PF_X) != 0) {
            programTextBegin = info->dlpi_addr + header.p_vaddr;
            programTextEnd = programTextBegin + header.p_memsz;
        }
    }
    return 1;
}

std::uint64_t SumGlCalls() {
    std::uint64_t sum = 0;
    for (const GlEntry& entry : GL_ENTRIES) sum += *entry.count;
    return sum;
}

std::uint64_t SumBinds() {
    std::uint64_t sum = 0;
#define PROBE_ADD_BINDS(name) sum += probe_count_##name;
    PROBE_BIND_FUNCTIONS(PROBE_ADD_BINDS)
#undef PROBE_ADD_BINDS
    return sum;
}

void WriteReportAndExit() {
    if (FILE* out = std::fopen(outputPath, "w")) {
        std::fprintf(out, "# presented_ns gl_calls binds program_allocations thread_allocations process_cpu_ns\n");
        for (std::size_t i = 0; i < frameCount; ++i) {
            const FrameRecord& frame = frames[i];
            std::fprintf(out, "%lld %llu %llu %llu %llu %lld\n", static_cast<long long>(frame.presentedNs),
                         static_cast<unsigned long long>(frame.glCalls), static_cast<unsigned long long>(frame.binds),
                         static_cast<unsigned long long>(frame.programAllocations),
                         static_cast<unsigned long long>(frame.threadAllocations),
                         static_cast<long long>(frame.processCpuNs));
        }
        for (std::size_t i = 0; i < GL_ENTRY_COUNT; ++i) {
            if (*GL_ENTRIES[i].count != 0) {
                std::fprintf(out, "= %s %llu\n", GL_ENTRIES[i].name,
                             static_cast<unsigned long long>(*GL_ENTRIES[i].count));
            }
        }
        std::fclose(out);
    }
    _exit(0);
}

void RecordFrame() {
    const std::int64_t now = ClockNs(CLOCK_MONOTONIC);
    if (frameCount < MAX_FRAMES) {
        frames[frameCount++] = {now, ClockNs(CLOCK_PROCESS_CPUTIME_ID), SumGlCalls(), SumBinds(), programAllocations,
                                threadAllocations};
    }
    if (outputPath != nullptr && (now - frames[0].presentedNs) * 1e-9 >= stopSeconds) WriteReportAndExit();
}

void* Resolve(const char* name) {
    if (void* real = dlsym(RTLD_NEXT, name)) return real;
    return realGetProcAddress != nullptr ? realGetProcAddress(reinterpret_cast<const unsigned char*>(name)) : nullptr;
}

__attribute__((constructor)) void StartProbe() {
    mainThread = pthread_self();
    dl_iterate_phdr(FindProgramText, nullptr);
    outputPath = std::getenv("BENCH_PROBE_OUT");
    if (const char* seconds = std::getenv("BENCH_PROBE_SECONDS")) stopSeconds = std::atof(seconds);
    realGetProcAddress = reinterpret_cast<GetProcAddress>(dlsym(RTLD_NEXT, "glXGetProcAddress"));
    realGetProcAddressArb = reinterpret_cast<GetProcAddress>(dlsym(RTLD_NEXT, "glXGetProcAddressARB"));
    for (const GlEntry& entry : GL_ENTRIES) *entry.real = Resolve(entry.name);
    realSdlSwap = reinterpret_cast<SwapWindow>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    realGlxSwap = reinterpret_cast<GlxSwap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
}

// A name the probe counts is answered with its trampoline, so that programs that look their
// GL functions up are counted as well.
void* LookUp(GetProcAddress real, const unsigned char* name) {
    for (const GlEntry& entry : GL_ENTRIES) {
        if (std::strcmp(entry.name, reinterpret_cast<const char*>(name)) == 0 && *entry.real != nullptr) {
            return reinterpret_cast<void*>(entry.trampoline);
        }
    }
    return real != nullptr ? real(name) : nullptr;
}

}  // namespace

extern "C" {

void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);

void* malloc(std::size_t size) {
    if (IsMainThread()) ++threadAllocations;
    CountAllocation(__builtin_return_address(0));
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
    if (IsMainThread()) ++threadAllocations;
    CountAllocation(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size) {
    if (IsMainThread()) ++threadAllocations;
    CountAllocation(__builtin_return_address(0));
    return __libc_realloc(memory, size);
}

void SDL_GL_SwapWindow(void* window) {
    ++swapDepth;
    realSdlSwap(window);
    if (--swapDepth == 0) RecordFrame();
}

void glXSwapBuffers(void* display, unsigned long drawable) {
    ++swapDepth;
    realGlxSwap(display, drawable);
    if (--swapDepth == 0) RecordFrame();
}

void* glXGetProcAddress(const unsigned char* name) { return LookUp(realGetProcAddress, name); }
void* glXGetProcAddressARB(const unsigned char* name) { return LookUp(realGetProcAddressArb, name); }

}  // extern "C"

// Libraries' own constructors may allocate before the probe's constructor has run.
void* operator new(std::size_t size) {
    CountAllocation(__builtin_return_address(0));
    if (realNew == nullptr) realNew = reinterpret_cast<NewFunction>(dlsym(RTLD_NEXT, "_Znwm"));
    return realNew(size);
}

void* operator new[](std::size_t size) {
    CountAllocation(__builtin_return_address(0));
    if (realNewArray == nullptr) realNewArray = reinterpret_cast<NewFunction>(dlsym(RTLD_NEXT, "_Znam"));
    return realNewArray(size);
}
