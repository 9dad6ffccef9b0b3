#pragma once
#include <cstdint>

#include "Platform/Platform.h"

// Keyboard and mouse state; turns key, button and wheel messages into the game's input
// events, and measures the mouse movement once per frame.
class TheInputSystem {
public:
    TheInputSystem();
    ~TheInputSystem();

    void Startup();
    void Shutdown();
    void Update();
    bool HandleMessage(std::uint32_t message, WParam wParam, LParam lParam);

    void SetCursorVisible(bool visible);
    void SetCursorPosition(int x, int y);
    void ResumeMouseTracking();
    void SuspendMouseTracking();

    bool IsKeyDown(std::uint8_t code) const { return _isKeyDown[code]; }
    int GetMouseMoveX() const { return _mouseMoveX; }
    int GetMouseMoveY() const { return _mouseMoveY; }
    bool IsCursorVisible() const { return _isCursorVisible; }
    bool IsMouseTracked() const { return _isMouseTracked; }

private:
    bool _isKeyDown[256];
    std::int32_t _mouseMoveX;
    std::int32_t _mouseMoveY;
    std::int32_t _cursorAnchorX;
    std::int32_t _cursorAnchorY;
    bool _isCursorVisible;
    bool _isMouseTracked;
    // Set by the constructor. A fatal error during static construction runs Shutdown over
    // this object's zero-filled storage, where the cursor must not count as hidden.
    bool _isConstructed;

    static bool _isInitialized;
};

extern TheInputSystem theInputSystem;
