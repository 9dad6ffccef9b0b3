#include "SdlKeyState.h"

#include <SDL_syswm.h>

#include <array>
#include <cstdint>

namespace {

constexpr int KEY_CODES = 256;  // X's are bytes

Display* display = nullptr;
int pendingType = 0;  // the X key event that SDL's next key event comes from
unsigned pendingKeyCode = 0;
std::array<std::uint8_t, SDL_NUM_SCANCODES> keyCodes = {};  // 0: not seen yet

void NoteXEvent(const XEvent& event) {
    pendingType = event.type;
    if (event.type != KeyPress && event.type != KeyRelease) return;
    display = event.xkey.display;
    pendingKeyCode = event.xkey.keycode;
}

// SDL's own key events (the releases for a focus loss) have no X event behind them.
void PairKey(const SDL_KeyboardEvent& key) {
    const int type = key.type == SDL_KEYDOWN ? KeyPress : KeyRelease;
    if (pendingType == type && pendingKeyCode < KEY_CODES) keyCodes[key.keysym.scancode] = pendingKeyCode;
    pendingType = 0;
}

}  // namespace

void ListenToKeyCodes() {
    const bool isX = SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0;
    SDL_EventState(SDL_SYSWMEVENT, isX ? SDL_ENABLE : SDL_IGNORE);
}

void NoteKeyEvent(const SDL_Event& event) {
    if (event.type == SDL_SYSWMEVENT && event.syswm.msg != nullptr && event.syswm.msg->subsystem == SDL_SYSWM_X11) {
        NoteXEvent(event.syswm.msg->msg.x11.event);
    } else if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        PairKey(event.key);
    }
}

bool IsKeyDownNow(SDL_Scancode scancode) {
    const unsigned keyCode = keyCodes[scancode];
    if (display == nullptr || keyCode == 0) return false;
    char keys[KEY_CODES / 8];
    XQueryKeymap(display, keys);
    return (keys[keyCode / 8] & (1 << (keyCode % 8))) != 0;
}
