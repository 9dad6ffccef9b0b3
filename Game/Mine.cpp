#include "Mine.h"

#include <algorithm>

#include "Engine/TheApplication.h"
#include "SpriteStrip.h"

std::vector<Mine*> Mine::_mines;
MineGrid Mine::_grid;

namespace {

constexpr float FRAMES_PER_SECOND = 5.0f;
constexpr double SPIN_DEGREES_PER_SECOND = 300.0;

}  // namespace

Mine::Mine(const Vec2& position) : _position(position) {
    _mines.push_back(this);
    _grid.Add(*this);
    _sprite = std::make_unique<SpriteStrip>("Misc\\landmine01.tga", FRAMES_PER_SECOND);
}

Mine::~Mine() {
    const auto entry = std::find(_mines.begin(), _mines.end(), this);
    if (entry != _mines.end()) _mines.erase(entry);
    _grid.Remove(*this);
}

void Mine::Update() {}

// All mines turn together, counter-clockwise.
void Mine::Draw() {
    const auto rotation = static_cast<float>(theApplication.GetTimeSeconds() * SPIN_DEGREES_PER_SECOND);
    _sprite->Draw(_position, Vec2::ONE, rotation, SpriteStrip::KEEP_FRAME);
}

bool Mine::IsNear(const Vec2& point, float radius) const { return (point - _position).Length() < radius + MINE_RADIUS; }

// The first mine of _mines in reach, found among the mines around the point only.
Mine* Mine::FindMineNear(const Vec2& point, float radius) { return _grid.FindNear(point, radius); }

void Mine::UpdateAll() {
    for (Mine* mine : _mines) mine->Update();
}

void Mine::DrawAll() {
    for (Mine* mine : _mines) mine->Draw();
}
