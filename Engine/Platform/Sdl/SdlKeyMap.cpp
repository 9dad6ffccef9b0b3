#include "SdlKeyMap.h"

#include "../WindowsConstants.h"

namespace {

struct KeyPair {
    SDL_Scancode scancode;
    std::uint8_t virtualKey;
};

// Keys whose codes do not follow from a run of letters, digits or function keys.
constexpr KeyPair NAMED_KEYS[] = {
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},       {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_RETURN, VK_RETURN},       {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_TAB, VK_TAB},             {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_SPACE, VK_SPACE},         {SDL_SCANCODE_LSHIFT, VK_SHIFT},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT},        {SDL_SCANCODE_LCTRL, VK_CONTROL},
    {SDL_SCANCODE_RCTRL, VK_CONTROL},       {SDL_SCANCODE_LALT, VK_MENU},
    {SDL_SCANCODE_RALT, VK_MENU},           {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},       {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_HOME, VK_HOME},           {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_UP, VK_UP},               {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_DOWN, VK_DOWN},           {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_DELETE, VK_DELETE},       {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},     {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},     {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},         {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},     {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
};

bool IsWithin(SDL_Scancode scancode, SDL_Scancode first, SDL_Scancode last) {
    return scancode >= first && scancode <= last;
}

std::uint8_t Offset(SDL_Scancode scancode, SDL_Scancode first, int firstVirtualKey) {
    return static_cast<std::uint8_t>(firstVirtualKey + (scancode - first));
}

}  // namespace

std::uint8_t VirtualKeyFromScancode(SDL_Scancode scancode) {
    if (IsWithin(scancode, SDL_SCANCODE_A, SDL_SCANCODE_Z)) return Offset(scancode, SDL_SCANCODE_A, 'A');
    if (IsWithin(scancode, SDL_SCANCODE_1, SDL_SCANCODE_9)) return Offset(scancode, SDL_SCANCODE_1, '1');
    if (scancode == SDL_SCANCODE_0) return '0';
    if (IsWithin(scancode, SDL_SCANCODE_F1, SDL_SCANCODE_F12)) return Offset(scancode, SDL_SCANCODE_F1, VK_F1);
    for (const KeyPair& pair : NAMED_KEYS) {
        if (pair.scancode == scancode) return pair.virtualKey;
    }
    return 0;
}
