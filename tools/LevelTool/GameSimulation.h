#pragma once
#include "LoadedLevel.h"

// Games of a loaded level played by the game's own rules at a fixed frame time, without a
// window and as fast as the processor allows. Game n starts n x 1000 numbers into the random
// sequence (game 0 where a real run starts), so that games differ as real runs do.
class GameSimulation {
public:
    static constexpr int RANDOM_STRIDE = 1000;

    GameSimulation(const LoadedLevel& level, double frameSeconds, double limitSeconds);

    // Simulated seconds until the last baby died, or a negative number for a game that was
    // still running at the limit.
    double Play(int game);

private:
    void _Respawn() const;

    const LoadedLevel& _level;
    long long _frameCounts;
    long long _limitFrames;
};
