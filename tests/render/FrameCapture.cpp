// Draws frames of the real game, started in its data folder, and writes the last to a PPM
// file: with no frame count, the level, its babies, mines and turrets as spawned (nothing
// moves yet); with a count, that many playing frames at 60 a second on a clock that stands
// still between them (babies turned towards their targets, mines spun, strips animated).
// Both with the full console and the frame-rate readout. Built against desktop OpenGL and
// against our subset over ES 2, so that the two frames can be compared; says which OpenGL
// drew it.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheApplication.h"
#include "Engine/TheConsole.h"
#include "Engine/TheGameInterfaceAbstract.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"
#include "Game/Game.h"
#include "SteppedClock.h"

namespace {

constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;

bool WritePpm(const char* path, const std::vector<unsigned char>& bottomUp) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", WIDTH, HEIGHT);
    for (int row = HEIGHT - 1; row >= 0; --row) {
        std::fwrite(&bottomUp[static_cast<std::size_t>(row) * WIDTH * 3], 1, WIDTH * 3, file);
    }
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stdout, "usage: %s frame.ppm [frames]\n", argv[0]);
        return 2;
    }
    const int frames = argc == 3 ? std::atoi(argv[2]) : 0;
    TheGameInterfaceAbstract* game = TheGameInterfaceAbstract::GetInstance();
    game->PreInit();
    theConsole.Startup();
    theVideoSystem.Startup();
    theRenderer.Startup();
    game->PostInit();
    theRenderer.CycleConsoleMode();
    theRenderer.CycleConsoleMode();
    theRenderer.ClearScreen(Color::BLACK);
    theRenderer.BeginFrame();
    theGame->SetScreenProjection();
    theGame->DrawScene();
    theRenderer.RenderOverlays();
    for (int frame = 0; frame < frames; ++frame) {
        StepClock(1.0 / 60.0);
        theApplication.UpdateFrameTime();
        theRenderer.ClearScreen(Color::BLACK);
        theRenderer.BeginFrame();
        theGame->RunFrame();
        theRenderer.RenderOverlays();
    }
    std::vector<unsigned char> pixels(static_cast<std::size_t>(WIDTH) * HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const bool isWritten = WritePpm(argv[1], pixels);
    std::printf("%s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    theRenderer.Shutdown();
    theVideoSystem.Shutdown();
    theConsole.Shutdown();
    return isWritten ? 0 : 1;
}
