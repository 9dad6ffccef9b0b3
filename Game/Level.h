#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Engine/Vec2.h"

class Image;
class SpriteStrip;

// One level: its picture drawn as the backdrop and its grid of cell codes, read once from
// the data image, which answers the babies' walkability questions.
class Level {
public:
    static constexpr int LEVEL_WIDTH = 1024;
    static constexpr int LEVEL_HEIGHT = 768;

    enum CellCode { CELL_OPEN = 0, CELL_BLOCKED = 1, CELL_MARKED = 2, CELL_SPIN = 3 };

    // The data image's colours, as red * 65536 + green * 256 + blue; any other is open floor.
    static constexpr std::uint32_t MINE_COLOR = 0xFF0000;
    static constexpr std::uint32_t BABY_COLOR = 0x00FF00;
    static constexpr std::uint32_t SPIN_COLOR = 0x00FFFF;
    static constexpr std::uint32_t MARKED_COLOR = 0x969600;
    static constexpr std::uint32_t BLOCKED_COLOR = 0xFF00FF;
    static constexpr std::uint32_t TURRET_COLOR = 0xFFFF00;
    static constexpr std::uint32_t WALL_COLOR = 0xFFFFFF;

    Level();
    ~Level();

    void Load(const std::string& name);
    void Draw();

    int GetCell(int x, int y) const;
    int GetCellAt(const Vec2& point) const;
    bool IsBlocked(int x, int y) const;
    bool IsAreaClear(int x, int y, float radius) const;
    bool IsPathClear(const Vec2& from, const Vec2& to, float step) const;
    std::uint32_t GetDataColor(int x, int y) const;  // once loaded

    void SpawnBaby(int x, int y);
    void SpawnMine(int x, int y);
    void SpawnTurret(int x, int y);

private:
    void _CheckDataImage() const;
    void _Scan();
    const std::uint8_t* _DataPixel(int x, int y) const;
    void _SpawnFor(int x, int y, std::uint32_t color);
    void _CountBlocked();
    std::int32_t _BlockedBelow(int x, int y) const;

    std::unique_ptr<std::int32_t[]> _cells;
    std::unique_ptr<SpriteStrip> _picture;
    std::unique_ptr<Image> _dataImage;
    std::string _name;
    // Blocked cells in columns 0 to x - 1 of rows 0 to y - 1, for x to 1024 and y to 768: an
    // area test is four lookups, however large the area.
    std::unique_ptr<std::int32_t[]> _blockedBelow;
};

extern Level theLevel;
