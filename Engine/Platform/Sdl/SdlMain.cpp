// The Linux entry point: the command line as Windows would pass it, then the engine.
#include <SDL.h>
#include <malloc.h>

#include <string>

#include "../Platform.h"
#include "SdlCloseSignals.h"
#include "SdlDebugOutput.h"
#include "SdlHeadStart.h"
#include "SdlState.h"

namespace {

constexpr int LARGEST_HEAP_BLOCK = 32 << 20;  // the C library's largest threshold

// The arguments after the program name, separated by blanks, as WinMain receives them.
std::string JoinArguments(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return commandLine;
}

}  // namespace

int main(int argc, char** argv) {
    // Freed blocks of any size stay in the heap for the next allocation, whose pages are then
    // in memory already: start-up frees the level picture's pixels just before it reads the
    // data image's, as large.
    mallopt(M_MMAP_THRESHOLD, LARGEST_HEAP_BLOCK);
    mallopt(M_TRIM_THRESHOLD, 2 * LARGEST_HEAP_BLOCK);
    SilenceStandardError();
    // One window: its close box posts the quit through the engine, not through SDL.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Only drivers a player can see: without a display the engine says so and ends.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
    // The class that ties the window to its menu entry (StartupWMClass), whatever the program
    // is called; SDL 2.26 reads it from the environment only.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", "cribblestorm", 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", "cribblestorm", 0);
    // The game takes no text, so the input method SDL opens under X needs no compose table:
    // libX11 would read the locale's, thousands of lines a character at a time, at every start
    // (some 10 ms of the first frame's CPU time).
    SDL_setenv("XCOMPOSEFILE", "/dev/null", 1);
    InstallCloseSignals();
    SDL_Init(SDL_INIT_EVENTS);
    // Begun after SDL's own library loads, which would wait for the driver's, and after its
    // D-Bus start-up, which may fork (to launch a session bus): nothing forks while it runs
    // but a message box, which waits for it.
    BeginHeadStart();
    const int exitCode = EngineMain(nullptr, JoinArguments(argc, argv).c_str());
    ReleaseSdlContext();
    SDL_Quit();
    return exitCode;
}
