#include "FirstCrawls.h"

#include <algorithm>

#include "FrameTimes.h"
#include "Game/Baby.h"
#include "Game/Level.h"
#include "GameSimulation.h"

namespace {

constexpr double STEADY_SECONDS = 1.0 / 60.0;
// The first crawl ends with the baby's next choice, 10 s on; a baby stranded on blocked cells
// then crawls back out within seconds.
constexpr double WATCHED_SECONDS = 30.0;
constexpr float NEAR_OWN_GROUND = 2.0f * Reachability::CELL;

}  // namespace

FirstCrawls::FirstCrawls(const LoadedLevel& level, const Reachability& reach) {
    FrameTimes frames(STEADY_SECONDS, true);
    GameSimulation simulation(level, frames, WATCHED_SECONDS);
    for (int ms = 1; ms <= LONGEST_FIRST_MS; ++ms) {
        simulation.Play(0, ms / 1000.0);
        for (const GameSimulation::Crossing& crossing : simulation.GetCrossings()) {
            const Baby& baby = *Baby::GetBabies()[crossing.baby - 1];
            const Vec2& end = baby.GetPosition();
            const bool isLost = theLevel.IsBlocked(static_cast<int>(end.x), static_cast<int>(end.y)) ||
                                !reach.Reaches(reach.GetRegionOfBaby(crossing.baby - 1), end, NEAR_OWN_GROUND);
            if (!baby.IsDead() && isLost) _Keep(ms, crossing.baby, crossing.cell, end);
        }
    }
    std::sort(_carried.begin(), _carried.end(), [](const Carried& a, const Carried& b) { return a.baby < b.baby; });
}

void FirstCrawls::_Keep(int ms, int baby, const Vec2& cell, const Vec2& end) {
    const auto known =
        std::find_if(_carried.begin(), _carried.end(), [&](const Carried& carried) { return carried.baby == baby; });
    if (known == _carried.end()) {
        _carried.push_back({baby, cell, end, ms, ms, 1});
        return;
    }
    known->longestMs = ms;
    ++known->count;
}
