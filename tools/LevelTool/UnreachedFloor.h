#pragma once
#include <vector>

#include "Reachability.h"

// Patches of floor where a baby would fit but none gets, joined through edges and corners:
// what check reports and preview paints, by one rule. Specks smaller than LEAST_CELLS are the
// estimate's noise, and the floor around a baby that cannot move is that baby's problem,
// reported with it; neither counts.
class UnreachedFloor {
public:
    static constexpr int LEAST_CELLS = 6;

    struct Patch {
        int cells;
        int left, bottom, right, top;  // in coverage cells
    };

    UnreachedFloor(const Reachability& reach, const std::vector<Vec2>& babies);

    const std::vector<Patch>& GetPatches() const { return _patches; }
    // Whether the coverage cell lies in one of the patches.
    bool Contains(int column, int row) const { return _patchOf[row * Reachability::COLUMNS + column] > 0; }

private:
    Patch _Flood(int column, int row, std::vector<int>& cells);
    bool _Counts(const Patch& patch) const;

    const Reachability& _reach;
    std::vector<Vec2> _stillBabies;
    std::vector<int> _patchOf;  // 0 none, -1 flooded but not counted, n patch n
    std::vector<Patch> _patches;
};
