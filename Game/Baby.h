#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "Engine/Vec2.h"

class SpriteStrip;

// A baby wanders to random reachable points, triggers mines, loses hearts and dies.
class Baby {
public:
    static constexpr float CONTACT_RADIUS = 20.0f;  // for mines, and the half-width of a path
    static constexpr float WANDER_DISTANCE = 200.0f;

    Baby(const Vec2& position, float headingDegrees);
    ~Baby();

    void Update();
    void Draw();
    void Pose();
    void Think();
    void ChooseTarget();
    void Move();
    void CheckMines();

    bool IsDead() const { return _isDead != 0; }
    std::uint32_t GetId() const { return _id; }
    std::uint32_t GetHealth() const { return _health; }
    float GetSpeed() const { return _speed; }
    const Vec2& GetPosition() const { return _position; }
    const Vec2& GetTarget() const { return _target; }
    const Vec2& GetVelocity() const { return _velocity; }
    float GetHeadingDegrees() const { return _headingDegrees; }
    std::uint32_t GetNextThinkMs() const { return _nextThinkMs; }

    // A choice's parts: the angle a random number stands for, the point 200 units that way,
    // and whether a baby may crawl there.
    static float DegreesOf(int randomNumber);
    static Vec2 WanderTarget(const Vec2& from, float degrees);
    static bool IsInsideLevel(const Vec2& target);
    static bool CanWander(const Vec2& from, const Vec2& target);
    bool IsStranded() const;

    static bool AllBabiesDead();
    static void UpdateAll();
    static void DrawAll();
    static void PoseAll();
    static const std::vector<Baby*>& GetBabies() { return _babies; }

private:
    void _AimAt(const Vec2& target, float degrees);
    void _DrawHearts();

    std::int32_t _isDead;
    std::uint32_t _id;
    std::uint32_t _nextThinkMs;
    Vec2 _target;
    float _speed;
    Vec2 _velocity;
    Vec2 _position;
    float _headingDegrees;
    std::uint32_t _health;
    float _poseDegrees;
    std::unique_ptr<SpriteStrip> _crawlSprite;
    std::unique_ptr<SpriteStrip> _heartSprite;
    std::unique_ptr<SpriteStrip> _deadSprite;

    static std::vector<Baby*> _babies;
};
