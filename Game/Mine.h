#pragma once
#include <memory>
#include <vector>

#include "Engine/Vec2.h"
#include "MineGrid.h"

class SpriteStrip;

// A fixed hazard: spins in place until a baby reaches it, then is gone.
class Mine {
public:
    static constexpr float MINE_RADIUS = 10.0f;

    explicit Mine(const Vec2& position);
    ~Mine();

    void Update();
    void Draw();
    bool IsNear(const Vec2& point, float radius) const;
    const Vec2& GetPosition() const { return _position; }

    static Mine* FindMineNear(const Vec2& point, float radius);
    static void UpdateAll();
    static void DrawAll();
    static const std::vector<Mine*>& GetMines() { return _mines; }

private:
    Vec2 _position;
    std::unique_ptr<SpriteStrip> _sprite;

    static std::vector<Mine*> _mines;
    static MineGrid _grid;  // the same mines, by place, for FindMineNear
};
