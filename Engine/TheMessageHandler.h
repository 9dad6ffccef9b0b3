#pragma once
#include <cstdint>

#include "Platform/Platform.h"

// Decides what the engine does with each message of the game's window.
class TheMessageHandler {
public:
    ~TheMessageHandler();

    void Startup();
    void Shutdown();
    bool HandleMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

private:
    static bool _isInitialized;
};

extern TheMessageHandler theMessageHandler;
