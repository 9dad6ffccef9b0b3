#pragma once
#include <string>

#include "Engine/TheGameInterfaceAbstract.h"

// The game's side of the engine contract: it only forwards to theGame.
class TheGameInterface : public TheGameInterfaceAbstract {
public:
    void PreInit() override;
    void PostInit() override;
    void RunFrame() override;
    void ProcessCommandLine(std::string commandLine) override;
    bool HandleInputEvent(int eventType, unsigned char code) override;
};

extern TheGameInterface theGameInterface;
