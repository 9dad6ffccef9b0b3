#include "SdlKeyMap.h"

#include "../WindowsConstants.h"

namespace {

struct KeyPair {
    SDL_Scancode scancode;
    std::uint8_t virtualKey;
};

// Keys whose codes do not follow from a run of letters, digits, function keys or keypad
// digits. Codes without a name in WindowsConstants.h carry theirs in a comment.
constexpr KeyPair NAMED_KEYS[] = {
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},         {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_RETURN, VK_RETURN},         {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_TAB, VK_TAB},               {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_SPACE, VK_SPACE},           {SDL_SCANCODE_LSHIFT, VK_SHIFT},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT},          {SDL_SCANCODE_LCTRL, VK_CONTROL},
    {SDL_SCANCODE_RCTRL, VK_CONTROL},         {SDL_SCANCODE_LALT, VK_MENU},
    {SDL_SCANCODE_RALT, VK_MENU},             {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},      {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},         {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_HOME, VK_HOME},             {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_UP, VK_UP},                 {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_DOWN, VK_DOWN},             {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_DELETE, VK_DELETE},         {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},       {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},       {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},           {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},       {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},      {SDL_SCANCODE_NONUSHASH, VK_OEM_5},
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102}, {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},     {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_LGUI, VK_LWIN},             {SDL_SCANCODE_RGUI, VK_RWIN},
    {SDL_SCANCODE_APPLICATION, VK_APPS},      {SDL_SCANCODE_MENU, VK_APPS},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},      {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},     {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_COMMA, VK_SEPARATOR},    {SDL_SCANCODE_SEPARATOR, VK_SEPARATOR},
    {SDL_SCANCODE_CANCEL, 0x03},              // VK_CANCEL
    {SDL_SCANCODE_CLEAR, 0x0C},               // VK_CLEAR
    {SDL_SCANCODE_SELECT, 0x29},              // VK_SELECT
    {SDL_SCANCODE_EXECUTE, 0x2B},             // VK_EXECUTE
    {SDL_SCANCODE_HELP, 0x2F},                // VK_HELP
    {SDL_SCANCODE_SLEEP, 0x5F},               // VK_SLEEP
    {SDL_SCANCODE_LANG1, 0x15},               // VK_KANA, VK_HANGUL
    {SDL_SCANCODE_LANG2, 0x19},               // VK_HANJA
    {SDL_SCANCODE_INTERNATIONAL4, 0x1C},      // VK_CONVERT
    {SDL_SCANCODE_INTERNATIONAL5, 0x1D},      // VK_NONCONVERT
    {SDL_SCANCODE_INTERNATIONAL1, VK_OEM_102},  // the Japanese ro key
    {SDL_SCANCODE_INTERNATIONAL3, VK_OEM_5},    // the Japanese yen key
    {SDL_SCANCODE_AC_BACK, 0xA6},             // VK_BROWSER_BACK
    {SDL_SCANCODE_AC_FORWARD, 0xA7},          // VK_BROWSER_FORWARD
    {SDL_SCANCODE_AC_REFRESH, 0xA8},          // VK_BROWSER_REFRESH
    {SDL_SCANCODE_AC_STOP, 0xA9},             // VK_BROWSER_STOP
    {SDL_SCANCODE_AC_SEARCH, 0xAA},           // VK_BROWSER_SEARCH
    {SDL_SCANCODE_AC_BOOKMARKS, 0xAB},        // VK_BROWSER_FAVORITES
    {SDL_SCANCODE_AC_HOME, 0xAC},             // VK_BROWSER_HOME
    {SDL_SCANCODE_AUDIOMUTE, 0xAD},           // VK_VOLUME_MUTE
    {SDL_SCANCODE_MUTE, 0xAD},
    {SDL_SCANCODE_VOLUMEDOWN, 0xAE},          // VK_VOLUME_DOWN
    {SDL_SCANCODE_VOLUMEUP, 0xAF},            // VK_VOLUME_UP
    {SDL_SCANCODE_AUDIONEXT, 0xB0},           // VK_MEDIA_NEXT_TRACK
    {SDL_SCANCODE_AUDIOPREV, 0xB1},           // VK_MEDIA_PREV_TRACK
    {SDL_SCANCODE_AUDIOSTOP, 0xB2},           // VK_MEDIA_STOP
    {SDL_SCANCODE_AUDIOPLAY, 0xB3},           // VK_MEDIA_PLAY_PAUSE
    {SDL_SCANCODE_MAIL, 0xB4},                // VK_LAUNCH_MAIL
    {SDL_SCANCODE_MEDIASELECT, 0xB5},         // VK_LAUNCH_MEDIA_SELECT
    {SDL_SCANCODE_APP1, 0xB6},                // VK_LAUNCH_APP1
    {SDL_SCANCODE_APP2, 0xB7},                // VK_LAUNCH_APP2
    {SDL_SCANCODE_CRSEL, 0xF7},               // VK_CRSEL
    {SDL_SCANCODE_EXSEL, 0xF8},               // VK_EXSEL
};

// The keypad from 1 to 9, then 0 and the point, with Num Lock off.
constexpr std::uint8_t KEYPAD_NAVIGATION[] = {VK_END,  VK_DOWN, VK_NEXT,  VK_LEFT,   0x0C /* VK_CLEAR */, VK_RIGHT,
                                              VK_HOME, VK_UP,   VK_PRIOR, VK_INSERT, VK_DELETE};

bool IsWithin(SDL_Scancode scancode, SDL_Scancode first, SDL_Scancode last) {
    return scancode >= first && scancode <= last;
}

std::uint8_t Offset(SDL_Scancode scancode, SDL_Scancode first, int firstVirtualKey) {
    return static_cast<std::uint8_t>(firstVirtualKey + (scancode - first));
}

// SDL numbers the keypad 1 to 9, then 0, then the point.
std::uint8_t KeypadKey(SDL_Scancode scancode, bool isNumLockOn) {
    const int index = scancode - SDL_SCANCODE_KP_1;
    if (!isNumLockOn) return KEYPAD_NAVIGATION[index];
    if (scancode == SDL_SCANCODE_KP_PERIOD) return VK_DECIMAL;
    if (scancode == SDL_SCANCODE_KP_0) return VK_NUMPAD0;
    return static_cast<std::uint8_t>(VK_NUMPAD0 + 1 + index);
}

}  // namespace

std::uint8_t VirtualKeyFromScancode(SDL_Scancode scancode, bool isNumLockOn) {
    if (IsWithin(scancode, SDL_SCANCODE_A, SDL_SCANCODE_Z)) return Offset(scancode, SDL_SCANCODE_A, 'A');
    if (IsWithin(scancode, SDL_SCANCODE_1, SDL_SCANCODE_9)) return Offset(scancode, SDL_SCANCODE_1, '1');
    if (scancode == SDL_SCANCODE_0) return '0';
    if (IsWithin(scancode, SDL_SCANCODE_F1, SDL_SCANCODE_F12)) return Offset(scancode, SDL_SCANCODE_F1, VK_F1);
    if (IsWithin(scancode, SDL_SCANCODE_F13, SDL_SCANCODE_F24)) return Offset(scancode, SDL_SCANCODE_F13, VK_F13);
    if (IsWithin(scancode, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_PERIOD)) return KeypadKey(scancode, isNumLockOn);
    for (const KeyPair& pair : NAMED_KEYS) {
        if (pair.scancode == scancode) return pair.virtualKey;
    }
    return 0;
}
