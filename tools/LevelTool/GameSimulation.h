#pragma once
#include <vector>

#include "Engine/Vec2.h"
#include "FrameTimes.h"
#include "LoadedLevel.h"

// Games of a loaded level played by the game's own rules without a window, as fast as the
// processor allows, with frames as long as `frames` makes them. Game n starts n x 1000
// numbers into the random sequence (game 0 where a real run starts), so that games differ as
// real runs do, and takes game n's frame lengths.
class GameSimulation {
public:
    static constexpr int RANDOM_STRIDE = 1000;

    // Where a baby's step first passed over a blocked cell in a game: what no path of the
    // game's allows, and what only a step past its target does.
    struct Crossing {
        int baby;  // numbered from 1, as the game numbers them
        Vec2 cell;
        double seconds;
    };

    GameSimulation(const LoadedLevel& level, FrameTimes& frames, double limitSeconds);

    // Simulated seconds until the last baby died, or a negative number for a game that was
    // still running at the limit. `firstFrameSeconds` above 0 sets the first frame's length.
    double Play(int game, double firstFrameSeconds = 0.0);
    // The last game's crossings, the first of each baby that made one, in the order they happened.
    const std::vector<Crossing>& GetCrossings() const { return _crossings; }

private:
    void _Respawn() const;
    void _WatchSteps(double seconds);

    const LoadedLevel& _level;
    FrameTimes& _frames;
    double _limitSeconds;
    std::vector<Vec2> _positions;
    std::vector<bool> _hasCrossed;
    std::vector<Crossing> _crossings;
};
