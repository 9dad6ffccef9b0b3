#pragma once
#include <SDL.h>

// Xlib ends the process when the connection to the display breaks or the server refuses a
// request, behind the engine's back. These handlers keep the process going instead: a lost
// display is never called again, and both failures become the engine's fatal error.
// Installed before the display is opened.
void InstallDisplayErrorHandlers();

// From here on, a lost connection of the window's display returns to the failed call, and
// the failure is raised at the next CheckDisplay, outside any library call; before, it is
// raised where Xlib reports it.
void WatchDisplayOf(SDL_Window* window);

// Raises the fatal error for a lost display or a refused request, if either happened.
void CheckDisplay();

bool IsDisplayLost();
