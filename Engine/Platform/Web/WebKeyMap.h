#pragma once
#include <cstdint>

// The Windows virtual-key code of a key by its KeyboardEvent.code (where it sits on the
// keyboard, not what it types), as Windows gives it with a US layout; the keypad's digits
// follow Num Lock, which the key's typed value tells. 0 for keys Windows has no code for.
std::uint8_t VirtualKeyFromCode(const char* code, const char* key);
