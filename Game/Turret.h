#pragma once
#include <memory>
#include <vector>

#include "Engine/Vec2.h"

class SpriteStrip;

// A fixed obstacle with a picture: its cell is blocked, and it stands in a yellow ring.
class Turret {
public:
    static constexpr float RING_RADIUS = 10.0f;

    explicit Turret(const Vec2& position);
    ~Turret();

    void Update();
    void Draw();
    const Vec2& GetPosition() const { return _position; }

    static void UpdateAll();
    static void DrawAll();
    static const std::vector<Turret*>& GetTurrets() { return _turrets; }

private:
    Vec2 _position;
    std::unique_ptr<SpriteStrip> _sprite;

    static std::vector<Turret*> _turrets;
};
