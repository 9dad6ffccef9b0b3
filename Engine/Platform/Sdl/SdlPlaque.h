#pragma once
#include <SDL.h>

#include "../Platform.h"

// The plaque through SDL's window surface: the way on video drivers other than X11.
void DrawPlaqueOnSurface(SDL_Window* window, const PlaqueDescription& plaque);
