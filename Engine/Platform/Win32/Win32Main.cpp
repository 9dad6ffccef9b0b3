// The Windows entry point: the instance handle and the command line, then the engine.
#include "../Platform.h"
#include "Win32Api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR commandLine, int /*showCommand*/) {
    return EngineMain(instance, commandLine);
}
