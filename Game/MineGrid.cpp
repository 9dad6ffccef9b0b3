#include "MineGrid.h"

#include <algorithm>
#include <cmath>

#include "Mine.h"

void MineGrid::Add(Mine& mine) {
    _cells[_CellOf(mine.GetPosition())].push_back({&mine, _nextSerial++});
}

void MineGrid::Remove(const Mine& mine) {
    Cell& cell = _cells[_CellOf(mine.GetPosition())];
    const auto entry = std::find_if(cell.begin(), cell.end(), [&](const Entry& e) { return e.mine == &mine; });
    if (entry != cell.end()) cell.erase(entry);
}

Mine* MineGrid::FindNear(const Vec2& point, float radius) const {
    const float reach = radius + Mine::MINE_RADIUS;
    // Every centre that IsNear accepts lies within `reach` on each axis, but for the float
    // rounding of its distance (relative, and absolute where squares underflow): a unit and
    // a relative margin cover both with room to spare. A wider box only costs a few cells.
    const double extent = static_cast<double>(reach) + 1.0 + std::fabs(static_cast<double>(reach)) * 1e-5;
    int firstColumn, lastColumn, firstRow, lastRow;
    _Span(point.x, extent, COLUMNS, firstColumn, lastColumn);
    _Span(point.y, extent, ROWS, firstRow, lastRow);
    const Entry* best = nullptr;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            _Search(_cells[row * COLUMNS + column], point, radius, best);
        }
    }
    _Search(_cells[OUTSIDE], point, radius, best);
    return best ? best->mine : nullptr;
}

int MineGrid::_CellOf(const Vec2& position) {
    const double column = std::floor(position.x / static_cast<double>(CELL_SIZE));
    const double row = std::floor(position.y / static_cast<double>(CELL_SIZE));
    // Written so that NaN fails the test too.
    if (!(column >= 0 && column < COLUMNS && row >= 0 && row < ROWS)) return OUTSIDE;
    return static_cast<int>(row) * COLUMNS + static_cast<int>(column);
}

// The cells [first, last] of one axis that meet [centre - extent, centre + extent], clamped
// to the axis; an empty span has last < first. NaN bounds give the whole axis, and infinite
// ones are clamped before any conversion to int.
void MineGrid::_Span(double centre, double extent, int count, int& first, int& last) {
    const double low = std::floor((centre - extent) / CELL_SIZE);
    const double high = std::floor((centre + extent) / CELL_SIZE);
    first = low > 0 ? static_cast<int>(std::min(low, static_cast<double>(count))) : 0;
    last = high < count - 1 ? static_cast<int>(std::max(high, -1.0)) : count - 1;
}

// A cell's entries are in creation order: its first mine in reach is its only candidate,
// and nothing at or after the best so far can win.
void MineGrid::_Search(const Cell& cell, const Vec2& point, float radius, const Entry*& best) {
    for (const Entry& entry : cell) {
        if (best && entry.serial >= best->serial) return;
        if (entry.mine->IsNear(point, radius)) {
            best = &entry;
            return;
        }
    }
}
