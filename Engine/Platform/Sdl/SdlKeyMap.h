#pragma once
#include <SDL.h>

#include <cstdint>

// The Windows virtual-key code of a key on a US layout, 0 for keys without one.
std::uint8_t VirtualKeyFromScancode(SDL_Scancode scancode);
