// SDL's events as the window messages Windows would send: keys and their bits, the key map,
// buttons, the wheel, focus and close, through the real SDL event queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Engine/Platform/Platform.h"
#include "Engine/Platform/Sdl/SdlEventTranslator.h"
#include "Engine/Platform/WindowsConstants.h"

namespace {

SDL_Event Key(Uint32 type, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event = {};
    event.key.type = type;
    event.key.repeat = repeat;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event Window(Uint8 windowEvent) {
    SDL_Event event = {};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = windowEvent;
    return event;
}

SDL_Event Wheel(float notches, Uint32 direction) {
    SDL_Event event = {};
    event.wheel.type = SDL_MOUSEWHEEL;
    event.wheel.preciseY = notches;
    event.wheel.direction = direction;
    return event;
}

SDL_Event Button(Uint32 type, Uint8 button) {
    SDL_Event event = {};
    event.button.type = type;
    event.button.button = button;
    event.button.x = 3;
    event.button.y = 7;
    return event;
}

// The message as "code wParam lParam" in hex, or "none".
std::string Translated(const SDL_Event& event) {
    Message message = {};
    if (!TranslateSdlEvent(event, nullptr, &message)) return "none";
    char text[64];
    std::snprintf(text, sizeof(text), "%X %X %X", static_cast<unsigned>(message.message),
                  static_cast<unsigned>(message.wParam), static_cast<unsigned>(message.lParam));
    return text;
}

// The wheel's message without lParam, which holds wherever the cursor is.
std::string WheelMessage(float notches, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
    const std::string message = Translated(Wheel(notches, direction));
    return message.substr(0, message.rfind(' '));
}

std::string KeyCode(SDL_Scancode scancode, Uint16 modifiers = KMOD_NUM) {
    const std::string message = Translated(Key(SDL_KEYDOWN, scancode, modifiers));
    return message == "none" ? "none" : message.substr(4, message.find(' ', 4) - 4);
}

// What the platform's message queue makes of the given events, pushed into SDL's queue: each
// message as "code wParam lParam" in hex.
std::vector<std::string> Queued(const std::vector<SDL_Event>& events) {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (SDL_Event event : events) SDL_PushEvent(&event);
    std::vector<std::string> messages;
    Message message = {};
    while (Platform::PeekMessageA(&message)) {
        char text[64];
        std::snprintf(text, sizeof(text), "%X %X %X", static_cast<unsigned>(message.message),
                      static_cast<unsigned>(message.wParam), static_cast<unsigned>(message.lParam));
        messages.push_back(text);
    }
    return messages;
}

}  // namespace

TEST(SdlEvents, KeysCarryTheRepeatAndReleaseBitsAndAltMakesThemSystemKeys) {
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_A)), "100 41 1");
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_NONE, 1)), "100 41 40000001");
    EXPECT_EQ(Translated(Key(SDL_KEYUP, SDL_SCANCODE_A)), "101 41 C0000001");
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_LALT)), "104 41 20000001");
    EXPECT_EQ(Translated(Key(SDL_KEYUP, SDL_SCANCODE_F4, KMOD_RALT)), "105 73 E0000001");
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_F10)), "104 79 1");
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_LALT)), "104 12 1");
    EXPECT_EQ(Translated(Key(SDL_KEYDOWN, SDL_SCANCODE_F11)), "100 7A 1");
}

TEST(SdlEvents, EveryKeyWithAVirtualKeyCodeHasIt) {
    const std::pair<SDL_Scancode, const char*> keys[] = {
        {SDL_SCANCODE_GRAVE, "C0"},       {SDL_SCANCODE_0, "30"},          {SDL_SCANCODE_KP_0, "60"},
        {SDL_SCANCODE_KP_9, "69"},        {SDL_SCANCODE_KP_PERIOD, "6E"},  {SDL_SCANCODE_KP_MULTIPLY, "6A"},
        {SDL_SCANCODE_KP_PLUS, "6B"},     {SDL_SCANCODE_KP_MINUS, "6D"},   {SDL_SCANCODE_KP_DIVIDE, "6F"},
        {SDL_SCANCODE_NUMLOCKCLEAR, "90"}, {SDL_SCANCODE_SCROLLLOCK, "91"}, {SDL_SCANCODE_PRINTSCREEN, "2C"},
        {SDL_SCANCODE_LGUI, "5B"},        {SDL_SCANCODE_RGUI, "5C"},       {SDL_SCANCODE_APPLICATION, "5D"},
        {SDL_SCANCODE_NONUSBACKSLASH, "E2"}, {SDL_SCANCODE_F13, "7C"},     {SDL_SCANCODE_F24, "87"},
        {SDL_SCANCODE_VOLUMEUP, "AF"},    {SDL_SCANCODE_KP_ENTER, "D"},    {SDL_SCANCODE_UNKNOWN, "none"}};
    for (const auto& key : keys) EXPECT_EQ(KeyCode(key.first), key.second) << key.first;
    // Without Num Lock the keypad navigates, as on Windows.
    EXPECT_EQ(KeyCode(SDL_SCANCODE_KP_7, KMOD_NONE), "24");
    EXPECT_EQ(KeyCode(SDL_SCANCODE_KP_5, KMOD_NONE), "C");
    EXPECT_EQ(KeyCode(SDL_SCANCODE_KP_PERIOD, KMOD_NONE), "2E");
}

TEST(SdlEvents, ButtonsWheelFocusAndCloseBecomeTheirMessages) {
    EXPECT_EQ(Translated(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)), "201 0 70003");
    EXPECT_EQ(Translated(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT)), "205 0 70003");
    EXPECT_EQ(Translated(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE)), "207 0 70003");
    EXPECT_EQ(Translated(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1)), "none");
    // Notches times 120 in wParam's high half; a fine wheel gives the fraction.
    EXPECT_EQ(WheelMessage(1.0f), "20A 780000");
    EXPECT_EQ(WheelMessage(0.5f), "20A 3C0000");
    EXPECT_EQ(WheelMessage(-3.0f), "20A FE980000");
    EXPECT_EQ(WheelMessage(1.0f, SDL_MOUSEWHEEL_FLIPPED), "20A FF880000");
    EXPECT_EQ(WheelMessage(0.001f), "none");
    EXPECT_EQ(Translated(Window(SDL_WINDOWEVENT_FOCUS_GAINED)), "1C 1 0");
    EXPECT_EQ(Translated(Window(SDL_WINDOWEVENT_FOCUS_LOST)), "1C 0 0");
    EXPECT_EQ(Translated(Window(SDL_WINDOWEVENT_CLOSE)), "10 0 0");
    EXPECT_EQ(Translated(Window(SDL_WINDOWEVENT_MOVED)), "none");
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    EXPECT_EQ(Translated(quit), "10 0 0");
}

// SDL releases the keys it holds when the focus goes; Windows does not, so the key stays
// down, and its next key-down (which SDL reports as a new press) is a repeat. When the focus
// comes back, a kept key that the display does not hold (none is known to it here: these
// events have no X events behind them) is up again. A release followed by anything else is real.
TEST(SdlEvents, AKeyHeldAcrossAFocusLossStaysDownUntilTheFocusReturns) {
    EXPECT_EQ(Queued({Key(SDL_KEYDOWN, SDL_SCANCODE_A), Key(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT),
                      Key(SDL_KEYUP, SDL_SCANCODE_A), Key(SDL_KEYUP, SDL_SCANCODE_LSHIFT),
                      Window(SDL_WINDOWEVENT_FOCUS_LOST), Key(SDL_KEYDOWN, SDL_SCANCODE_A),
                      Key(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_NONE, 1), Key(SDL_KEYUP, SDL_SCANCODE_A)}),
              (std::vector<std::string>{"100 41 1", "100 10 1", "1C 0 0", "100 41 40000001", "100 41 40000001",
                                        "101 41 C0000001"}));
    EXPECT_EQ(Queued({Window(SDL_WINDOWEVENT_FOCUS_GAINED), Key(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT)}),
              (std::vector<std::string>{"1C 1 0", "100 10 1"}));
    EXPECT_EQ(Queued({Key(SDL_KEYUP, SDL_SCANCODE_A), Window(SDL_WINDOWEVENT_FOCUS_GAINED),
                      Key(SDL_KEYUP, SDL_SCANCODE_B)}),
              (std::vector<std::string>{"101 41 C0000001", "1C 1 0", "101 42 C0000001"}));
}
