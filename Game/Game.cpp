#include "Game.h"

#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheApplication.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"
#include "Engine/Vec2.h"
#include "Baby.h"
#include "Level.h"
#include "Mine.h"
#include "Turret.h"

Game* theGame = nullptr;

namespace {

constexpr float LOSE_TEXT_X = 512.0f;
constexpr float LOSE_TEXT_Y = 384.0f;

}  // namespace

void Game::PreInit() {
    theApplication.SetName("Cribblestorm");
    theVideoSystem.SetDesiredDisplayMode(1024, 768, 32, 85, false);
}

void Game::PostInit() {
    theRenderer.ToggleFpsDisplay();
    theLevel.Load("Level02");
}

// Lost is decided before the update, so the frame in which the last baby dies is still
// drawn as a playing frame.
void Game::RunFrame() {
    SetScreenProjection();
    if (Baby::AllBabiesDead()) {
        DrawScene();
        theRenderer.DrawTextf(LOSE_TEXT_X, LOSE_TEXT_Y, "YOU LOSE!");
        return;
    }
    UpdateScene();
    DrawScene();
}

void Game::SetScreenProjection() {
    const auto width = static_cast<float>(theVideoSystem.GetWidth());
    const auto height = static_cast<float>(theVideoSystem.GetHeight());
    theRenderer.SetProjection(Vec2::ZERO, Vec2(width, height));
}

void Game::UpdateScene() {
    Baby::UpdateAll();
    Mine::UpdateAll();
    Turret::UpdateAll();
}

// Bottom to top: level, mines, babies with their hearts, turrets.
void Game::DrawScene() {
    theLevel.Draw();
    Mine::DrawAll();
    Baby::DrawAll();
    Turret::DrawAll();
}

// A playing frame's whole effect on the game's state, for running games without a window:
// the update, then the poses that drawing the babies would take.
void Game::PlayUndrawnFrame() {
    UpdateScene();
    Baby::PoseAll();
}

void Game::OnKeyPressed(unsigned char code) {
    switch (code) {
        case VK_ESCAPE: theApplication.RequestShutdown(); break;
        case VK_F11: theRenderer.ToggleFpsDisplay(); break;
        case VK_OEM_3: theRenderer.CycleConsoleMode(); break;
        default: break;
    }
}

void Game::OnKeyReleased(unsigned char /*code*/) {}
