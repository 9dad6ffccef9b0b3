#include "GameSimulation.h"

#include <algorithm>
#include <cmath>

#include "Engine/Platform/Headless/HeadlessPlatform.h"
#include "Engine/TheApplication.h"
#include "Engine/Timer.h"
#include "Game/Baby.h"
#include "Game/Game.h"
#include "Game/GameRandom.h"
#include "Game/Level.h"
#include "Game/Mine.h"

GameSimulation::GameSimulation(const LoadedLevel& level, FrameTimes& frames, double limitSeconds)
    : _level(level), _frames(frames), _limitSeconds(limitSeconds) {}

double GameSimulation::Play(int game, double firstFrameSeconds) {
    _Respawn();
    RestartGameRandom();
    for (long long draw = 0; draw < static_cast<long long>(game) * RANDOM_STRIDE; ++draw) GameRandom();
    _frames.Start(game, firstFrameSeconds);
    _positions = _level.GetBabies();
    _hasCrossed.assign(_positions.size(), false);
    _crossings.clear();
    // The clock starts with the level, as the game's first frame follows its load.
    const auto limit = std::llround(_limitSeconds * HeadlessPlatform::COUNTS_PER_SECOND);
    Headless().counter = 0;
    Timer::Initialize();
    theApplication.UpdateFrameTime();
    Game rules;
    while (Headless().counter < limit) {
        const double seconds = static_cast<double>(Headless().counter) / HeadlessPlatform::COUNTS_PER_SECOND;
        // Lost before this frame: the last baby died in the one before.
        if (Baby::AllBabiesDead()) return seconds;
        const long long counts = std::llround(_frames.Next() * HeadlessPlatform::COUNTS_PER_SECOND);
        Headless().counter += std::max(1LL, counts);
        theApplication.UpdateFrameTime();
        rules.PlayUndrawnFrame();
        _WatchSteps(static_cast<double>(Headless().counter) / HeadlessPlatform::COUNTS_PER_SECOND);
    }
    return -1.0;
}

// Each baby's step of this frame, walked a unit at a time over the cells it passed, until the
// baby's first crossing.
void GameSimulation::_WatchSteps(double seconds) {
    const auto& babies = Baby::GetBabies();
    for (std::size_t i = 0; i < babies.size(); ++i) {
        const Vec2 from = _positions[i];
        const Vec2 to = babies[i]->GetPosition();
        if (_hasCrossed[i] || to == from) continue;
        _positions[i] = to;
        const int units = static_cast<int>(std::ceil((to - from).Length()));
        for (int unit = 1; unit <= units; ++unit) {
            const Vec2 at = from + (to - from) * (static_cast<float>(unit) / static_cast<float>(units));
            if (!theLevel.IsBlocked(static_cast<int>(at.x), static_cast<int>(at.y))) continue;
            _crossings.push_back({static_cast<int>(i) + 1, Vec2(std::floor(at.x), std::floor(at.y)), seconds});
            _hasCrossed[i] = true;
            break;
        }
    }
}

// Fresh babies and mines where the level's scan put them, in scan order, by the level's own
// spawning.
void GameSimulation::_Respawn() const {
    while (!Baby::GetBabies().empty()) delete Baby::GetBabies().back();
    while (!Mine::GetMines().empty()) delete Mine::GetMines().back();
    for (const Vec2& baby : _level.GetBabies()) theLevel.SpawnBaby(static_cast<int>(baby.x), static_cast<int>(baby.y));
    for (const Vec2& mine : _level.GetMines()) theLevel.SpawnMine(static_cast<int>(mine.x), static_cast<int>(mine.y));
}
