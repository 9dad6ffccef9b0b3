#pragma once

// The game: names the application, asks for its mode, loads the level, runs each frame and
// answers the game's keys.
class Game {
public:
    void PreInit();
    void PostInit();
    void RunFrame();
    void SetScreenProjection();
    void UpdateScene();
    void DrawScene();
    void PlayUndrawnFrame();
    void OnKeyPressed(unsigned char code);
    void OnKeyReleased(unsigned char code);
};

extern Game* theGame;
