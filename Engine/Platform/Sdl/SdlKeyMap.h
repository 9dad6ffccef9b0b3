#pragma once
#include <SDL.h>

#include <cstdint>

// The Windows virtual-key code of a key on a US layout, 0 for keys without one. As on
// Windows, the keypad's digits and point are navigation keys while Num Lock is off.
std::uint8_t VirtualKeyFromScancode(SDL_Scancode scancode, bool isNumLockOn);
