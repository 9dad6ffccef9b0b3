#include "UnreachedFloor.h"

#include <algorithm>

UnreachedFloor::UnreachedFloor(const Reachability& reach, const std::vector<Vec2>& babies)
    : _reach(reach), _patchOf(static_cast<std::size_t>(Reachability::COLUMNS) * Reachability::ROWS, 0) {
    for (std::size_t baby = 0; baby < babies.size(); ++baby) {
        if (reach.IsStill(reach.GetRegionOfBaby(baby))) _stillBabies.push_back(babies[baby]);
    }
    std::vector<int> cells;
    for (int row = 0; row < Reachability::ROWS; ++row) {
        for (int column = 0; column < Reachability::COLUMNS; ++column) {
            if (_patchOf[row * Reachability::COLUMNS + column] != 0 || !reach.IsUnreachedFloor(column, row)) continue;
            cells.clear();
            const Patch patch = _Flood(column, row, cells);
            const bool counts = _Counts(patch);
            if (counts) _patches.push_back(patch);
            for (const int cell : cells) _patchOf[cell] = counts ? static_cast<int>(_patches.size()) : -1;
        }
    }
}

// The unreached floor joined to a cell; `cells` gets the index of each.
UnreachedFloor::Patch UnreachedFloor::_Flood(int column, int row, std::vector<int>& cells) {
    Patch patch = {0, column, row, column, row};
    std::vector<std::pair<int, int>> pending = {{column, row}};
    _patchOf[row * Reachability::COLUMNS + column] = -1;
    while (!pending.empty()) {
        const auto [c, r] = pending.back();
        pending.pop_back();
        cells.push_back(r * Reachability::COLUMNS + c);
        ++patch.cells;
        patch.left = std::min(patch.left, c);
        patch.right = std::max(patch.right, c);
        patch.bottom = std::min(patch.bottom, r);
        patch.top = std::max(patch.top, r);
        for (int next = 0; next < 9; ++next) {
            const int nc = c + next % 3 - 1;
            const int nr = r + next / 3 - 1;
            if (nc < 0 || nr < 0 || nc >= Reachability::COLUMNS || nr >= Reachability::ROWS) continue;
            int& mark = _patchOf[nr * Reachability::COLUMNS + nc];
            if (mark != 0 || !_reach.IsUnreachedFloor(nc, nr)) continue;
            mark = -1;
            pending.emplace_back(nc, nr);
        }
    }
    return patch;
}

// A still baby's spawn cell is covered, so its pen's floor lies right beside it.
bool UnreachedFloor::_Counts(const Patch& patch) const {
    if (patch.cells < LEAST_CELLS) return false;
    return std::none_of(_stillBabies.begin(), _stillBabies.end(), [&](const Vec2& baby) {
        const int column = static_cast<int>(baby.x) / Reachability::CELL;
        const int row = static_cast<int>(baby.y) / Reachability::CELL;
        return column >= patch.left - 1 && column <= patch.right + 1 && row >= patch.bottom - 1 && row <= patch.top + 1;
    });
}
