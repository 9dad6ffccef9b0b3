#pragma once
#include <string>
#include <vector>

#include "GameSimulation.h"

// The simulated games to look into, each with the number that plays it again (--first-game N
// --games 1): those that never ended, with where their living babies were left, and those in
// which a baby died on blocked cells, where no path of the game's leads. Each baby there is
// told with the first blocked cells it crossed: what only a step past its target does, which
// a long frame at the choice of the target makes possible.
class ReplayNotes {
public:
    static constexpr std::size_t MOST_SHOWN = 10;

    // Called after each game, while its babies are still where the game left them.
    void Add(int game, double seconds, double firstFrameSeconds,
             const std::vector<GameSimulation::Crossing>& crossings);
    void Print() const;

private:
    std::vector<std::string> _unended;
    std::vector<std::string> _diedInside;
};
