#include "TestGame.h"

#include "Engine/Platform/Script/ScriptedPlatform.h"

TestGame theTestGame;

void TestGame::PreInit() {
    theScriptedPlatform.Log("game PreInit");
    if (onPreInit) onPreInit();
}

void TestGame::PostInit() { theScriptedPlatform.Log("game PostInit"); }

void TestGame::RunFrame() {
    theScriptedPlatform.Log("game RunFrame");
    if (onRunFrame) onRunFrame();
}

void TestGame::Shutdown() { theScriptedPlatform.Log("game Shutdown"); }

void TestGame::ProcessCommandLine(std::string commandLine) {
    theScriptedPlatform.Log("game ProcessCommandLine(" + commandLine + ")");
}

bool TestGame::HandleInputEvent(int eventType, unsigned char code) {
    theScriptedPlatform.Log("game HandleInputEvent(" + std::to_string(eventType) + ", " + std::to_string(code) + ")");
    return claimsInput;
}
