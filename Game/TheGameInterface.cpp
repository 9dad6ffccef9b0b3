#include "TheGameInterface.h"

#include "Game.h"

TheGameInterface theGameInterface;

void TheGameInterface::PreInit() {
    theGame = new Game;
    theGame->PreInit();
}

void TheGameInterface::PostInit() { theGame->PostInit(); }

void TheGameInterface::RunFrame() { theGame->RunFrame(); }

void TheGameInterface::ProcessCommandLine(std::string /*commandLine*/) {}

bool TheGameInterface::HandleInputEvent(int eventType, unsigned char code) {
    if (eventType == INPUT_KEY_PRESSED) theGame->OnKeyPressed(code);
    if (eventType == INPUT_KEY_RELEASED) theGame->OnKeyReleased(code);
    return false;
}
