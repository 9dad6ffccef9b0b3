#include "SdlWindowIcon.h"

void SdlWindowIcon::Apply(SDL_Window* window) {
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(PIXELS), SIDE, SIDE, 32, SIDE * 4,
                                                           SDL_PIXELFORMAT_RGBA32);
    if (icon == nullptr) return;  // a window without an icon is still the game's window
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}
