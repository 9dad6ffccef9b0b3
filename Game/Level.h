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

    Level();
    ~Level();

    void Load(const std::string& name);
    void Draw();

    int GetCell(int x, int y) const;
    int GetCellAt(const Vec2& point) const;
    bool IsBlocked(int x, int y) const;
    bool IsAreaClear(int x, int y, float radius) const;
    bool IsPathClear(const Vec2& from, const Vec2& to, float step) const;

    void SpawnBaby(int x, int y);
    void SpawnMine(int x, int y);
    void SpawnTurret(int x, int y);

private:
    void _CheckDataImage() const;
    void _Scan();
    void _ScanPixel(int x, int y, std::uint32_t color);

    std::unique_ptr<std::int32_t[]> _cells;
    std::unique_ptr<SpriteStrip> _picture;
    std::unique_ptr<Image> _dataImage;
    std::string _name;
};

extern Level theLevel;
