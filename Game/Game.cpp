#include "Game.h"

#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheApplication.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"
#include "Engine/Vec2.h"

Game* theGame = nullptr;

void Game::PreInit() {
    theApplication.SetName("Cribblestorm");
    theVideoSystem.SetDesiredDisplayMode(1024, 768, 32, 85, false);
}

void Game::PostInit() { theRenderer.ToggleFpsDisplay(); }

void Game::RunFrame() {
    SetScreenProjection();
    UpdateScene();
    DrawScene();
}

void Game::SetScreenProjection() {
    const auto width = static_cast<float>(theVideoSystem.GetWidth());
    const auto height = static_cast<float>(theVideoSystem.GetHeight());
    theRenderer.SetProjection(Vec2::ZERO, Vec2(width, height));
}

void Game::UpdateScene() {}

void Game::DrawScene() {}

void Game::OnKeyPressed(unsigned char code) {
    switch (code) {
        case VK_ESCAPE: theApplication.RequestShutdown(); break;
        case VK_F11: theRenderer.ToggleFpsDisplay(); break;
        case VK_OEM_3: theRenderer.CycleConsoleMode(); break;
        default: break;
    }
}

void Game::OnKeyReleased(unsigned char /*code*/) {}
