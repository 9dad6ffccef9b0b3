#include "SdlEventTranslator.h"

#include <array>
#include <cmath>

#include "../WindowsConstants.h"
#include "SdlKeyMap.h"
#include "SdlKeyState.h"

namespace {

constexpr std::uint32_t KEY_REPEAT_COUNT = 1;
constexpr int MOST_RELEASES_LOOKED_PAST = 32;  // more keys than a hand holds at once

// Keys whose release SDL made up for a focus loss: still down, as on Windows, so that their
// next key-down (the first auto-repeat once the focus is back, which SDL reports as a new
// press) is a repeat. When the focus comes back, those released meanwhile are up again.
std::array<bool, SDL_NUM_SCANCODES> isKeptDown = {};

void ForgetKeysReleasedMeanwhile() {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        if (isKeptDown[scancode]) isKeptDown[scancode] = IsKeyDownNow(static_cast<SDL_Scancode>(scancode));
    }
}

bool IsSystemKey(std::uint8_t virtualKey, bool isAltHeld) { return isAltHeld || virtualKey == VK_F10 || virtualKey == VK_MENU; }

// When the window loses the keyboard focus SDL releases every key it holds, queued just
// before the focus-lost event. Windows sends no key-up then: the key stays down.
bool IsReleaseForFocusLoss(const SDL_KeyboardEvent& key) {
    if (key.type != SDL_KEYUP) return false;
    SDL_Event waiting[MOST_RELEASES_LOOKED_PAST + 1];
    const int count = SDL_PeepEvents(waiting, MOST_RELEASES_LOOKED_PAST + 1, SDL_PEEKEVENT, SDL_FIRSTEVENT,
                                     SDL_LASTEVENT);
    for (int i = 0; i < count; ++i) {
        if (waiting[i].type == SDL_KEYUP) continue;
        return waiting[i].type == SDL_WINDOWEVENT && waiting[i].window.event == SDL_WINDOWEVENT_FOCUS_LOST;
    }
    return false;
}

bool TranslateKey(const SDL_KeyboardEvent& key, Message* message) {
    const std::uint8_t virtualKey = VirtualKeyFromScancode(key.keysym.scancode, (key.keysym.mod & KMOD_NUM) != 0);
    if (virtualKey == 0) return false;
    const SDL_Scancode scancode = key.keysym.scancode;
    if (IsReleaseForFocusLoss(key)) {
        isKeptDown[scancode] = true;
        return false;
    }
    const bool isDown = key.type == SDL_KEYDOWN;
    const bool wasDown = key.repeat != 0 || isKeptDown[scancode];
    isKeptDown[scancode] = false;
    const bool isAltHeld = (key.keysym.mod & KMOD_ALT) != 0;
    std::uint32_t lParam = KEY_REPEAT_COUNT;
    if (isAltHeld) lParam |= KF_ALTDOWN_BIT;
    if (!isDown || wasDown) lParam |= KF_REPEAT_BIT;
    if (!isDown) lParam |= KF_UP_BIT;
    if (IsSystemKey(virtualKey, isAltHeld)) {
        message->message = isDown ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    } else {
        message->message = isDown ? WM_KEYDOWN : WM_KEYUP;
    }
    message->wParam = virtualKey;
    message->lParam = static_cast<LParam>(static_cast<std::int32_t>(lParam));
    return true;
}

bool TranslateButton(const SDL_MouseButtonEvent& button, Message* message) {
    const bool isDown = button.type == SDL_MOUSEBUTTONDOWN;
    switch (button.button) {
        case SDL_BUTTON_LEFT: message->message = isDown ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
        case SDL_BUTTON_RIGHT: message->message = isDown ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
        case SDL_BUTTON_MIDDLE: message->message = isDown ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
        default: return false;
    }
    message->wParam = 0;
    message->lParam = MAKELONG(static_cast<std::uint16_t>(button.x), static_cast<std::uint16_t>(button.y));
    return true;
}

// One notch is 120; a fine-grained wheel gives the fraction.
bool TranslateWheel(const SDL_MouseWheelEvent& wheel, Message* message) {
    float notches = wheel.preciseY;
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
    const auto delta = static_cast<std::int32_t>(std::lround(notches * WHEEL_DELTA));
    if (delta == 0) return false;
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    message->message = WM_MOUSEWHEEL;
    message->wParam = MAKELONG(0, static_cast<std::uint16_t>(delta));
    message->lParam = MAKELONG(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y));
    return true;
}

bool TranslateWindowEvent(const SDL_WindowEvent& windowEvent, Message* message) {
    switch (windowEvent.event) {
        case SDL_WINDOWEVENT_CLOSE: message->message = WM_CLOSE; message->wParam = 0; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            ForgetKeysReleasedMeanwhile();
            message->message = WM_ACTIVATEAPP;
            message->wParam = 1;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST: message->message = WM_ACTIVATEAPP; message->wParam = 0; break;
        default: return false;
    }
    message->lParam = 0;
    return true;
}

}  // namespace

bool TranslateSdlEvent(const SDL_Event& event, WindowHandle window, Message* message) {
    NoteKeyEvent(event);
    message->window = window;
    switch (event.type) {
        case SDL_QUIT:  // SIGINT, SIGTERM or the session ending: the window is asked to close
            message->message = WM_CLOSE;
            message->wParam = 0;
            message->lParam = 0;
            return true;
        case SDL_WINDOWEVENT: return TranslateWindowEvent(event.window, message);
        case SDL_KEYDOWN:
        case SDL_KEYUP: return TranslateKey(event.key, message);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: return TranslateButton(event.button, message);
        case SDL_MOUSEWHEEL: return TranslateWheel(event.wheel, message);
        default: return false;
    }
}
