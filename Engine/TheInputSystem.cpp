#include "TheInputSystem.h"

#include "AssertionFailure.h"
#include "Platform/WindowsConstants.h"
#include "TheConsole.h"
#include "TheGameInterfaceAbstract.h"

bool TheInputSystem::_isInitialized = false;

namespace {

// Where a hidden cursor is put back every frame, in screen pixels.
constexpr int HIDDEN_CURSOR_X = 160;
constexpr int HIDDEN_CURSOR_Y = 120;

bool SendInputEvent(InputEventType eventType, int code) {
    return TheGameInterfaceAbstract::GetInstance()->HandleInputEvent(eventType, static_cast<unsigned char>(code));
}

}  // namespace

TheInputSystem::TheInputSystem()
    : _isKeyDown{},
      _mouseMoveX(0),
      _mouseMoveY(0),
      _cursorAnchorX(0),
      _cursorAnchorY(0),
      _isCursorVisible(true),
      _isMouseTracked(true),
      _isConstructed(true) {}

TheInputSystem::~TheInputSystem() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheInputSystem was destroyed while running; Shutdown() should be called first!");
}

void TheInputSystem::Startup() {
    theConsole.Printf("::: Initialization : Input System (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheInputSystem was initialized twice; either a second TheInputSystem was started or Startup() "
                      "was called on an already-running system.");
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Input System (finished)\n");
}

void TheInputSystem::Shutdown() {
    theConsole.Printf("::: Shutdown : Input System (starting)\n");
    if (_isConstructed) SetCursorVisible(true);
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Input System (finished)\n");
}

bool TheInputSystem::HandleMessage(std::uint32_t message, WParam wParam, LParam lParam) {
    const std::uint8_t code = static_cast<std::uint8_t>(wParam & 0xFF);
    switch (message) {
        case WM_KEYDOWN: {
            _isKeyDown[code] = true;
            const bool isRepeat = (static_cast<std::uint32_t>(lParam) & KF_REPEAT_BIT) != 0;
            return SendInputEvent(isRepeat ? INPUT_KEY_REPEATED : INPUT_KEY_PRESSED, code);
        }
        case WM_KEYUP:
            _isKeyDown[code] = false;
            return SendInputEvent(INPUT_KEY_RELEASED, code);
        case WM_MOUSEWHEEL: {
            const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
            if (delta > 0) return SendInputEvent(INPUT_WHEEL_UP, delta / WHEEL_DELTA);
            if (delta < 0) return SendInputEvent(INPUT_WHEEL_DOWN, -delta / WHEEL_DELTA);
            return false;
        }
        default:
            return false;
    }
}

void TheInputSystem::Update() {
    if (!_isMouseTracked) {
        _mouseMoveX = 0;
        _mouseMoveY = 0;
        return;
    }
    Point position = {0, 0};
    Platform::GetCursorPos(&position);
    _mouseMoveX = position.x - _cursorAnchorX;
    _mouseMoveY = position.y - _cursorAnchorY;
    if (_isCursorVisible) {
        _cursorAnchorX = position.x;
        _cursorAnchorY = position.y;
    } else {
        SetCursorPosition(HIDDEN_CURSOR_X, HIDDEN_CURSOR_Y);
    }
}

void TheInputSystem::SetCursorVisible(bool visible) {
    if (visible == _isCursorVisible) return;
    _isCursorVisible = visible;
    Platform::ShowCursor(visible);
}

void TheInputSystem::SetCursorPosition(int x, int y) {
    _cursorAnchorX = x;
    _cursorAnchorY = y;
    Platform::SetCursorPos(x, y);
}

void TheInputSystem::ResumeMouseTracking() {
    _isMouseTracked = true;
    Platform::SetCursorPos(_cursorAnchorX, _cursorAnchorY);
}

void TheInputSystem::SuspendMouseTracking() { _isMouseTracked = false; }
