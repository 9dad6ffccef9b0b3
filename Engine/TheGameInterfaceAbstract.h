#pragma once
#include <string>

// Input event kinds, the first argument of HandleInputEvent.
enum InputEventType {
    INPUT_KEY_PRESSED = 1,
    INPUT_KEY_REPEATED = 2,
    INPUT_KEY_RELEASED = 3,
    INPUT_WHEEL_UP = 4,
    INPUT_WHEEL_DOWN = 5,
};

// The one door through which the engine calls the game. The game derives one class from
// it and makes exactly one static instance; every operation defaults to doing nothing.
class TheGameInterfaceAbstract {
public:
    TheGameInterfaceAbstract();
    virtual ~TheGameInterfaceAbstract();

    virtual void PreInit() {}
    virtual void PostInit() {}
    virtual void RunFrame() {}
    virtual void Shutdown() {}
    virtual void ProcessCommandLine(std::string commandLine) { (void)commandLine; }
    virtual bool HandleInputEvent(int eventType, unsigned char code) {
        (void)eventType;
        (void)code;
        return false;
    }

    static bool IsGamePresent() { return _isConstructed; }
    static TheGameInterfaceAbstract* GetInstance() { return _instance; }

private:
    static bool _isConstructed;
    static TheGameInterfaceAbstract* _instance;
};
