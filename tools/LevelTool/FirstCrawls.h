#pragma once
#include <vector>

#include "Engine/Vec2.h"
#include "LoadedLevel.h"
#include "Reachability.h"

// The babies whose first crawl a slow start carries over blocked cells to where they do not
// get back from. Every baby chooses its first target in the game's first frame, whose length
// covers the whole start-up, and that frame sets the speed of the whole crawl; at some speeds
// the crawl steps past its target and goes on until the baby's next choice, ten seconds later,
// across whatever lies in the way. A real run starts at the same place in the random sequence
// every time, so the first targets are known: this plays the first half-minute of a real run
// once for each first frame of 1 to 100 ms (any longer one gives the speed of 100 ms), with
// steady frames after it, and keeps the babies that crossed blocked cells and were then, alive,
// on blocked cells or away from the ground their start reaches.
class FirstCrawls {
public:
    static constexpr int LONGEST_FIRST_MS = 100;

    struct Carried {
        int baby;   // numbered from 1
        Vec2 cell;  // the first blocked cell it crossed, at the shortest such first frame
        Vec2 end;   // where it was then at the end
        int shortestMs;
        int longestMs;
        int count;  // of the first-frame lengths that carry it there
    };

    FirstCrawls(const LoadedLevel& level, const Reachability& reach);

    const std::vector<Carried>& GetCarried() const { return _carried; }

private:
    void _Keep(int ms, int baby, const Vec2& cell, const Vec2& end);

    std::vector<Carried> _carried;
};
