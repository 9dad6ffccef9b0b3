#include "WebKeyMap.h"

#include <cstring>

#include "../WindowsConstants.h"

namespace {

struct KeyPair {
    const char* code;
    std::uint8_t virtualKey;
};

// Keys whose codes do not follow from a run of letters, digits, function keys or keypad
// digits. Codes without a name in WindowsConstants.h carry theirs in a comment.
constexpr KeyPair NAMED_KEYS[] = {
    {"Escape", VK_ESCAPE},        {"Backquote", VK_OEM_3},       {"Enter", VK_RETURN},
    {"NumpadEnter", VK_RETURN},   {"Tab", VK_TAB},               {"Backspace", VK_BACK},
    {"Space", VK_SPACE},          {"ShiftLeft", VK_SHIFT},       {"ShiftRight", VK_SHIFT},
    {"ControlLeft", VK_CONTROL},  {"ControlRight", VK_CONTROL},  {"AltLeft", VK_MENU},
    {"AltRight", VK_MENU},        {"Pause", VK_PAUSE},           {"CapsLock", VK_CAPITAL},
    {"PageUp", VK_PRIOR},         {"PageDown", VK_NEXT},         {"End", VK_END},
    {"Home", VK_HOME},            {"ArrowLeft", VK_LEFT},        {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},     {"ArrowDown", VK_DOWN},        {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},        {"Semicolon", VK_OEM_1},       {"Equal", VK_OEM_PLUS},
    {"Comma", VK_OEM_COMMA},      {"Minus", VK_OEM_MINUS},       {"Period", VK_OEM_PERIOD},
    {"Slash", VK_OEM_2},          {"BracketLeft", VK_OEM_4},     {"Backslash", VK_OEM_5},
    {"BracketRight", VK_OEM_6},   {"Quote", VK_OEM_7},           {"IntlBackslash", VK_OEM_102},
    {"PrintScreen", VK_SNAPSHOT}, {"ScrollLock", VK_SCROLL},     {"NumLock", VK_NUMLOCK},
    {"MetaLeft", VK_LWIN},        {"MetaRight", VK_RWIN},        {"ContextMenu", VK_APPS},
    {"NumpadDivide", VK_DIVIDE},  {"NumpadMultiply", VK_MULTIPLY}, {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadAdd", VK_ADD},        {"NumpadComma", VK_SEPARATOR}, {"IntlRo", VK_OEM_102},
    {"IntlYen", VK_OEM_5},        {"Lang1", 0x15 /* VK_KANA, VK_HANGUL */}, {"Lang2", 0x19 /* VK_HANJA */},
    {"Convert", 0x1C /* VK_CONVERT */}, {"NonConvert", 0x1D /* VK_NONCONVERT */},
    {"BrowserBack", 0xA6 /* VK_BROWSER_BACK */}, {"BrowserForward", 0xA7 /* VK_BROWSER_FORWARD */},
    {"BrowserRefresh", 0xA8 /* VK_BROWSER_REFRESH */}, {"BrowserStop", 0xA9 /* VK_BROWSER_STOP */},
    {"BrowserSearch", 0xAA /* VK_BROWSER_SEARCH */}, {"BrowserFavorites", 0xAB /* VK_BROWSER_FAVORITES */},
    {"BrowserHome", 0xAC /* VK_BROWSER_HOME */}, {"AudioVolumeMute", 0xAD /* VK_VOLUME_MUTE */},
    {"AudioVolumeDown", 0xAE /* VK_VOLUME_DOWN */}, {"AudioVolumeUp", 0xAF /* VK_VOLUME_UP */},
    {"MediaTrackNext", 0xB0 /* VK_MEDIA_NEXT_TRACK */}, {"MediaTrackPrevious", 0xB1 /* VK_MEDIA_PREV_TRACK */},
    {"MediaStop", 0xB2 /* VK_MEDIA_STOP */}, {"MediaPlayPause", 0xB3 /* VK_MEDIA_PLAY_PAUSE */},
    {"LaunchMail", 0xB4 /* VK_LAUNCH_MAIL */}, {"MediaSelect", 0xB5 /* VK_LAUNCH_MEDIA_SELECT */},
    {"LaunchApp1", 0xB6 /* VK_LAUNCH_APP1 */}, {"LaunchApp2", 0xB7 /* VK_LAUNCH_APP2 */},
};

// The keypad from 1 to 9, then 0 and the point, with Num Lock off.
constexpr std::uint8_t KEYPAD_NAVIGATION[] = {VK_END,  VK_DOWN, VK_NEXT,  VK_LEFT,   0x0C /* VK_CLEAR */, VK_RIGHT,
                                              VK_HOME, VK_UP,   VK_PRIOR, VK_INSERT, VK_DELETE};

// "KeyA", "Digit1", "F11", "Numpad7": a prefix and one character or a number after it.
bool HasPrefix(const char* code, const char* prefix, const char** rest) {
    const std::size_t length = std::strlen(prefix);
    if (std::strncmp(code, prefix, length) != 0 || code[length] == '\0') return false;
    *rest = code + length;
    return true;
}

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

// Num Lock is on when the key types its digit or point.
std::uint8_t KeypadKey(const char* rest, const char* key) {
    const bool isNumLockOn = key[0] != '\0' && key[1] == '\0' && (IsDigit(key[0]) || key[0] == '.' || key[0] == ',');
    const int index = std::strcmp(rest, "Decimal") == 0 ? 10 : (rest[0] == '0' ? 9 : rest[0] - '1');
    if (!isNumLockOn) return KEYPAD_NAVIGATION[index];
    if (index == 10) return VK_DECIMAL;
    return static_cast<std::uint8_t>(VK_NUMPAD0 + (index == 9 ? 0 : index + 1));
}

std::uint8_t FunctionKey(const char* rest) {
    int number = 0;
    for (const char* digit = rest; *digit != '\0'; ++digit) {
        if (!IsDigit(*digit)) return 0;
        number = number * 10 + (*digit - '0');
    }
    return (number >= 1 && number <= 24) ? static_cast<std::uint8_t>(VK_F1 + number - 1) : 0;
}

}  // namespace

std::uint8_t VirtualKeyFromCode(const char* code, const char* key) {
    const char* rest = nullptr;
    if (HasPrefix(code, "Key", &rest) && rest[1] == '\0' && rest[0] >= 'A' && rest[0] <= 'Z') return rest[0];
    if (HasPrefix(code, "Digit", &rest) && rest[1] == '\0' && IsDigit(rest[0])) return rest[0];
    if (HasPrefix(code, "F", &rest)) return FunctionKey(rest);
    const bool isKeypadDigit = HasPrefix(code, "Numpad", &rest) && ((IsDigit(rest[0]) && rest[1] == '\0') ||
                                                                   std::strcmp(rest, "Decimal") == 0);
    if (isKeypadDigit) return KeypadKey(rest, key);
    for (const KeyPair& pair : NAMED_KEYS) {
        if (std::strcmp(pair.code, code) == 0) return pair.virtualKey;
    }
    return 0;
}
