#include "Turret.h"

#include "Engine/TheRenderer.h"
#include "SpriteStrip.h"

std::vector<Turret*> Turret::_turrets;

namespace {

constexpr float FRAMES_PER_SECOND = 10.0f;
constexpr int AUTOMATIC_SEGMENTS = -1;
const Vec2 HALF_SIZE(0.5f, 0.5f);

}  // namespace

Turret::Turret(const Vec2& position) : _position(position) {
    _turrets.push_back(this);
    _sprite = std::make_unique<SpriteStrip>("Turret/turret_base.tga", FRAMES_PER_SECOND);
}

Turret::~Turret() = default;

void Turret::Update() {}

// Always frame 0: a turret never changes.
void Turret::Draw() {
    theRenderer.DrawCircle(_position, RING_RADIUS, Color::YELLOW, AUTOMATIC_SEGMENTS);
    _sprite->Draw(_position, HALF_SIZE, 0.0f, 0);
}

void Turret::UpdateAll() {
    for (Turret* turret : _turrets) turret->Update();
}

void Turret::DrawAll() {
    for (Turret* turret : _turrets) turret->Draw();
}
