#pragma once
#include <functional>

#include "Engine/TheGameInterfaceAbstract.h"

// The unit tests' game object: logs each call into the scripted platform's call log, so
// that the engine's and the game's steps read as one timeline.
class TestGame : public TheGameInterfaceAbstract {
public:
    void PreInit() override;
    void PostInit() override;
    void RunFrame() override;
    void Shutdown() override;
    void ProcessCommandLine(std::string commandLine) override;
    bool HandleInputEvent(int eventType, unsigned char code) override;

    std::function<void()> onPreInit;
    std::function<void()> onRunFrame;
    std::function<void()> onShutdown;
    bool claimsInput = false;
};

extern TestGame theTestGame;
