#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Engine/Vec2.h"
#include "Level.h"

class Mine;

// The mines sorted into square cells of the level by their centres, so that the mine a baby
// reaches is found among the few mines around it rather than among all of them. Each cell
// keeps its mines in creation order, and the earliest-created mine in reach wins, exactly as
// a walk of the whole creation-ordered list would find it.
class MineGrid {
public:
    static constexpr int CELL_SIZE = 32;
    // Cells cover the level and its far edges (a mine may sit on x = 1024 or y = 768).
    static constexpr int COLUMNS = Level::LEVEL_WIDTH / CELL_SIZE + 1;
    static constexpr int ROWS = Level::LEVEL_HEIGHT / CELL_SIZE + 1;

    // Call in creation order; the mine's position must not change while it is in the grid.
    void Add(Mine& mine);
    // Keeps the other mines' order and allocates nothing.
    void Remove(const Mine& mine);
    // The earliest-added mine for which IsNear(point, radius) is true, or null.
    Mine* FindNear(const Vec2& point, float radius) const;

private:
    struct Entry {
        Mine* mine;
        std::uint64_t serial;  // creation order, across every cell
    };
    using Cell = std::vector<Entry>;

    // Whatever lies outside the covered area (or is not a number) shares one extra cell,
    // searched on every query.
    static constexpr int OUTSIDE = COLUMNS * ROWS;

    static int _CellOf(const Vec2& position);
    static void _Span(double centre, double extent, int count, int& first, int& last);
    static void _Search(const Cell& cell, const Vec2& point, float radius, const Entry*& best);

    std::array<Cell, OUTSIDE + 1> _cells;
    std::uint64_t _nextSerial = 0;
};
