#include "TestGame.h"

#include "Engine/Platform/Script/ScriptedPlatform.h"

TestGame theTestGame;

void TestGame::PreInit() {
    Script().Log("game PreInit");
    if (onPreInit) onPreInit();
}

void TestGame::PostInit() { Script().Log("game PostInit"); }

void TestGame::RunFrame() {
    Script().Log("game RunFrame");
    if (onRunFrame) onRunFrame();
}

void TestGame::Shutdown() {
    Script().Log("game Shutdown");
    if (onShutdown) onShutdown();
}

void TestGame::ProcessCommandLine(std::string commandLine) {
    Script().Log("game ProcessCommandLine(" + commandLine + ")");
}

bool TestGame::HandleInputEvent(int eventType, unsigned char code) {
    Script().Log("game HandleInputEvent(" + std::to_string(eventType) + ", " + std::to_string(code) + ")");
    return claimsInput;
}
