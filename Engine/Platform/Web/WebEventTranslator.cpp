// The canvas's keyboard, mouse, wheel and focus events as the window messages Windows
// sends for them, queued for the engine's message pump.
#include <emscripten/html5.h>

#include <cmath>

#include "../WindowsConstants.h"
#include "WebKeyMap.h"
#include "WebState.h"

namespace {

constexpr const char* CANVAS = "#canvas";
constexpr std::uint32_t KEY_REPEAT_COUNT = 1;
// What one wheel notch scrolls, by the event's delta mode: pixels (Chromium's notch), lines, pages.
constexpr double NOTCH_DELTAS[] = {100.0, 3.0, 1.0};

void Post(std::uint32_t code, WParam wParam, LParam lParam) {
    PostWebMessage(Message{TheWindowHandle(), code, wParam, lParam});
}

// The page may show the canvas larger or smaller than its pixels: a position in canvas pixels.
Point CanvasPoint(const EmscriptenMouseEvent& mouse) {
    int width = 0;
    int height = 0;
    double shownWidth = 0.0;
    double shownHeight = 0.0;
    emscripten_get_canvas_element_size(CANVAS, &width, &height);
    emscripten_get_element_css_size(CANVAS, &shownWidth, &shownHeight);
    if (shownWidth <= 0.0 || shownHeight <= 0.0) return Point{static_cast<std::int32_t>(mouse.targetX),
                                                              static_cast<std::int32_t>(mouse.targetY)};
    return Point{static_cast<std::int32_t>(std::floor(mouse.targetX * width / shownWidth)),
                 static_cast<std::int32_t>(std::floor(mouse.targetY * height / shownHeight))};
}

LParam PositionOf(const EmscriptenMouseEvent& mouse) {
    const Point point = CanvasPoint(mouse);
    return MAKELONG(static_cast<std::uint16_t>(point.x), static_cast<std::uint16_t>(point.y));
}

// Every key reaches the engine, and no key's default action is prevented here: the engine
// hears of a key only at its next message peek, too late to claim it, so the page prevents
// the defaults of the keys the game acts on and the browser keeps the rest (Tab among them).
EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* key, void* /*userData*/) {
    const std::uint8_t virtualKey = VirtualKeyFromCode(key->code, key->key);
    if (virtualKey == 0) return EM_FALSE;
    const bool isDown = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    const bool isAltHeld = key->altKey != 0;
    std::uint32_t lParam = KEY_REPEAT_COUNT;
    if (isAltHeld) lParam |= KF_ALTDOWN_BIT;
    if (!isDown || key->repeat != 0) lParam |= KF_REPEAT_BIT;
    if (!isDown) lParam |= KF_UP_BIT;
    const bool isSystemKey = isAltHeld || virtualKey == VK_F10 || virtualKey == VK_MENU;
    const std::uint32_t code = isSystemKey ? (isDown ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (isDown ? WM_KEYDOWN : WM_KEYUP);
    Post(code, virtualKey, static_cast<LParam>(static_cast<std::int32_t>(lParam)));
    return EM_FALSE;
}

// The button's default action stays: a click gives the canvas the focus, and so the keys.
EM_BOOL OnButton(int eventType, const EmscriptenMouseEvent* mouse, void* /*userData*/) {
    const bool isDown = eventType == EMSCRIPTEN_EVENT_MOUSEDOWN;
    switch (mouse->button) {
        case 0: Post(isDown ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, PositionOf(*mouse)); break;
        case 1: Post(isDown ? WM_MBUTTONDOWN : WM_MBUTTONUP, 0, PositionOf(*mouse)); break;
        case 2: Post(isDown ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, PositionOf(*mouse)); break;
        default: break;
    }
    return EM_FALSE;
}

EM_BOOL OnMove(int /*eventType*/, const EmscriptenMouseEvent* mouse, void* /*userData*/) {
    TheWebState().cursor = CanvasPoint(*mouse);
    return EM_FALSE;
}

// A notch is 120, away from the user positive. The page scrolls as well: the game uses no
// wheel, and the engine could not claim it in time.
EM_BOOL OnWheel(int /*eventType*/, const EmscriptenWheelEvent* wheel, void* /*userData*/) {
    const unsigned mode = wheel->deltaMode < 3 ? wheel->deltaMode : 0;
    const auto delta = static_cast<std::int32_t>(std::lround(-wheel->deltaY / NOTCH_DELTAS[mode] * WHEEL_DELTA));
    if (delta != 0) {
        Post(WM_MOUSEWHEEL, MAKELONG(0, static_cast<std::uint16_t>(delta)), PositionOf(wheel->mouse));
    }
    return EM_FALSE;
}

EM_BOOL OnFocus(int eventType, const EmscriptenFocusEvent* /*focus*/, void* /*userData*/) {
    Post(WM_ACTIVATEAPP, eventType == EMSCRIPTEN_EVENT_FOCUS ? 1 : 0, 0);
    return EM_FALSE;
}

}  // namespace

void ListenToCanvas() {
    emscripten_set_keydown_callback(CANVAS, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(CANVAS, nullptr, EM_TRUE, OnKey);
    emscripten_set_mousedown_callback(CANVAS, nullptr, EM_TRUE, OnButton);
    emscripten_set_mouseup_callback(CANVAS, nullptr, EM_TRUE, OnButton);
    emscripten_set_mousemove_callback(CANVAS, nullptr, EM_TRUE, OnMove);
    emscripten_set_wheel_callback(CANVAS, nullptr, EM_TRUE, OnWheel);
    emscripten_set_focus_callback(CANVAS, nullptr, EM_TRUE, OnFocus);
    emscripten_set_blur_callback(CANVAS, nullptr, EM_TRUE, OnFocus);
}
