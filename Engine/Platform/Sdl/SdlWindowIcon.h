#pragma once
#include <SDL.h>

// The game's icon on its window (_NET_WM_ICON on X11): datagen's 48-pixel drawing, built
// into the program from packaging/icons/cribblestorm-48.rgba.
class SdlWindowIcon {
public:
    static constexpr int SIDE = 48;
    static const unsigned char PIXELS[SIDE * SIDE * 4];  // RGBA, rows from the top

    static void Apply(SDL_Window* window);
};
