#include "GameSimulation.h"

#include <cmath>

#include "Engine/Platform/Headless/HeadlessPlatform.h"
#include "Engine/TheApplication.h"
#include "Engine/Timer.h"
#include "Game/Baby.h"
#include "Game/Game.h"
#include "Game/GameRandom.h"
#include "Game/Level.h"
#include "Game/Mine.h"

GameSimulation::GameSimulation(const LoadedLevel& level, double frameSeconds, double limitSeconds)
    : _level(level),
      _frameCounts(std::llround(frameSeconds * HeadlessPlatform::COUNTS_PER_SECOND)),
      _limitFrames(std::llround(limitSeconds / frameSeconds)) {}

double GameSimulation::Play(int game) {
    _Respawn();
    RestartGameRandom();
    for (long long draw = 0; draw < static_cast<long long>(game) * RANDOM_STRIDE; ++draw) GameRandom();
    // The clock starts with the level, as the game's first frame follows its load.
    Headless().counter = 0;
    Timer::Initialize();
    theApplication.UpdateFrameTime();
    Game rules;
    for (long long frame = 1; frame <= _limitFrames; ++frame) {
        // Lost before this frame: the last baby died in the one before.
        if (Baby::AllBabiesDead()) return static_cast<double>(Headless().counter) / HeadlessPlatform::COUNTS_PER_SECOND;
        Headless().counter = frame * _frameCounts;
        theApplication.UpdateFrameTime();
        rules.PlayUndrawnFrame();
    }
    return -1.0;
}

// Fresh babies and mines where the level's scan put them, in scan order, by the level's own
// spawning.
void GameSimulation::_Respawn() const {
    while (!Baby::GetBabies().empty()) delete Baby::GetBabies().back();
    while (!Mine::GetMines().empty()) delete Mine::GetMines().back();
    for (const Vec2& baby : _level.GetBabies()) theLevel.SpawnBaby(static_cast<int>(baby.x), static_cast<int>(baby.y));
    for (const Vec2& mine : _level.GetMines()) theLevel.SpawnMine(static_cast<int>(mine.x), static_cast<int>(mine.y));
}
