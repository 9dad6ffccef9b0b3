#include "Baby.h"

#include <algorithm>
#include <cmath>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheApplication.h"
#include "Engine/Timer.h"
#include "GameRandom.h"
#include "Level.h"
#include "Mine.h"
#include "SpriteStrip.h"

std::vector<Baby*> Baby::_babies;

namespace {

constexpr std::uint32_t THINK_PERIOD_MS = 10000;
constexpr float ARRIVAL_TOLERANCE = 1.0f;
constexpr double LONGEST_CHOICE_FRAME_SECONDS = 0.1;
constexpr float SPEED_KEPT_PER_MINE = 0.85f;
constexpr float STARTING_SPEED = 50.0f;
constexpr std::uint32_t STARTING_HEALTH = 2;
constexpr float HEART_FIRST_X = 32.0f;
constexpr float HEART_SPACING = 64.0f;
constexpr float HEART_ROW_PITCH = 32.0f;
constexpr float HEART_TOP = 768.0f;
constexpr float HEADING_OF_UNROTATED_IMAGE = 90.0f;  // the pictures face +y
constexpr float FRAMES_PER_SECOND = 10.0f;
const Vec2 HALF_SIZE(0.5f, 0.5f);

constexpr float RANDOM_TO_UNIT = 3.0518509e-05f;  // 1 / 32767
constexpr float FULL_TURN_DEGREES = 360.0f;
constexpr float DEGREES_TO_RADIANS = 0.017453292f;

// The far sides of the level's last column and row: the largest positions still inside it.
const float FARTHEST_X = std::nextafter(static_cast<float>(Level::LEVEL_WIDTH), 0.0f);
const float FARTHEST_Y = std::nextafter(static_cast<float>(Level::LEVEL_HEIGHT), 0.0f);

// A baby that no direction lets through tries again at its next think rather than forever.
constexpr int MOST_TARGET_CANDIDATES = 256;

float RandomDegrees() { return Baby::DegreesOf(GameRandom()); }

}  // namespace

Baby::Baby(const Vec2& position, float headingDegrees)
    : _isDead(0),
      _id(0),
      _nextThinkMs(0),
      _target(Vec2::ZERO),
      _speed(STARTING_SPEED),
      _velocity(Vec2::ZERO),
      _position(position),
      _headingDegrees(headingDegrees),
      _health(STARTING_HEALTH),
      _poseDegrees(0.0f) {
    _babies.push_back(this);
    _id = static_cast<std::uint32_t>(_babies.size());
    _crawlSprite = std::make_unique<SpriteStrip>("Baby/Baby_crawl.tga", FRAMES_PER_SECOND);
    _deadSprite = std::make_unique<SpriteStrip>("Baby/Baby_dead.tga", FRAMES_PER_SECOND);
    _heartSprite = std::make_unique<SpriteStrip>("Baby/RedBabyHeartIcon.tga", FRAMES_PER_SECOND);
}

// The game never destroys a baby; a tool that plays many games does.
Baby::~Baby() {
    const auto entry = std::find(_babies.begin(), _babies.end(), this);
    if (entry != _babies.end()) _babies.erase(entry);
}

float Baby::DegreesOf(int randomNumber) { return static_cast<float>(randomNumber) * RANDOM_TO_UNIT * FULL_TURN_DEGREES; }

Vec2 Baby::WanderTarget(const Vec2& from, float degrees) {
    const float radians = degrees * DEGREES_TO_RADIANS;
    return Vec2(from.x + std::cos(radians) * WANDER_DISTANCE, from.y + std::sin(radians) * WANDER_DISTANCE);
}

bool Baby::IsInsideLevel(const Vec2& target) {
    return target.x > 0.0f && target.x < Level::LEVEL_WIDTH && target.y > 0.0f && target.y < Level::LEVEL_HEIGHT;
}

// Inside the level and reachable in a straight line.
bool Baby::CanWander(const Vec2& from, const Vec2& target) {
    return IsInsideLevel(target) && theLevel.IsPathClear(from, target, CONTACT_RADIUS);
}

// Only a step past the target puts a baby on a blocked cell or on the level's first column
// or row: no path of the game's goes there, and none leads out of there.
bool Baby::IsStranded() const {
    const int x = static_cast<int>(_position.x);
    const int y = static_cast<int>(_position.y);
    return x == 0 || y == 0 || theLevel.IsBlocked(x, y);
}

void Baby::Update() {
    if (_isDead == 1) return;
    Think();
    Move();
    CheckMines();
}

void Baby::Think() {
    if (_nextThinkMs < Timer::GetMilliseconds()) {
        ChooseTarget();
        _nextThinkMs = Timer::GetMilliseconds() + THINK_PERIOD_MS;
    }
}

// A random point 200 units away, inside the level, reachable in a straight line. A baby
// that finds none keeps its target, unless it is stranded: then it crawls back out across
// what holds it, as the step that stranded it crossed in, towards the last candidate inside
// the level; otherwise it would never move again and the game would never end.
void Baby::ChooseTarget() {
    bool isAnyInside = false;
    Vec2 lastInside = _position;
    float lastInsideAngle = 0.0f;
    for (int attempt = 0; attempt < MOST_TARGET_CANDIDATES; ++attempt) {
        const float angle = RandomDegrees();
        const Vec2 candidate = WanderTarget(_position, angle);
        if (CanWander(_position, candidate)) {
            _AimAt(candidate, angle);
            return;
        }
        if (IsInsideLevel(candidate)) {
            isAnyInside = true;
            lastInside = candidate;
            lastInsideAngle = angle;
        }
    }
    if (isAnyInside && IsStranded()) _AimAt(lastInside, lastInsideAngle);
}

// The velocity is per update, scaled by the frame in which the choice is made.
void Baby::_AimAt(const Vec2& target, float degrees) {
    _target = target;
    _headingDegrees = degrees;
    Vec2 direction = target - _position;
    const float length = direction.Length();
    if (length != 0.0f) direction = direction * (1.0f / length);
    const double frameSeconds = std::min(theApplication.GetFrameSeconds(), LONGEST_CHOICE_FRAME_SECONDS);
    _velocity = direction * static_cast<float>(_speed * frameSeconds);
}

// A step never leaves the level: a baby that passed its target (a velocity of 2 or more
// can step over the arrival square) crawls on until its next think, and is held at the
// level's edge meanwhile.
void Baby::Move() {
    const Vec2 toTarget = _target - _position;
    if (std::fabs(toTarget.x) < ARRIVAL_TOLERANCE && std::fabs(toTarget.y) < ARRIVAL_TOLERANCE) {
        _nextThinkMs = 0;
        return;
    }
    const Vec2 stepped = _position + _velocity;
    _position = Vec2(std::clamp(stepped.x, 0.0f, FARTHEST_X), std::clamp(stepped.y, 0.0f, FARTHEST_Y));
}

void Baby::CheckMines() {
    if (Mine* mine = Mine::FindMineNear(_position, CONTACT_RADIUS)) {
        _speed *= SPEED_KEPT_PER_MINE;
        --_health;
        delete mine;
    }
    if (_health == 0) _isDead = 1;
}

void Baby::Draw() {
    Pose();
    SpriteStrip& body = _isDead ? *_deadSprite : *_crawlSprite;
    body.Draw(_position, HALF_SIZE, _poseDegrees, SpriteStrip::KEEP_FRAME);
    _DrawHearts();
}

// The angle the body is drawn at in this frame. On a spin cell it is a new random one, a
// number taken from the sequence that the target choices share: posing is part of the rules.
void Baby::Pose() {
    _poseDegrees = theLevel.GetCellAt(_position) == Level::CELL_SPIN ? RandomDegrees()
                                                                     : _headingDegrees - HEADING_OF_UNROTATED_IMAGE;
}

// Baby n's hearts run along row n from the top left of the screen.
void Baby::_DrawHearts() {
    Vec2 place(HEART_FIRST_X, HEART_TOP - HEART_ROW_PITCH * static_cast<float>(_id));
    for (std::uint32_t heart = 0; heart < _health; ++heart) {
        _heartSprite->Draw(place, HALF_SIZE, 0.0f, SpriteStrip::KEEP_FRAME);
        place.x += HEART_SPACING;
    }
}

bool Baby::AllBabiesDead() {
    return std::none_of(_babies.begin(), _babies.end(), [](const Baby* baby) { return baby->_health > 0; });
}

void Baby::UpdateAll() {
    for (Baby* baby : _babies) baby->Update();
}

// Ordinary alpha blending from here on; it stays in force for everything drawn after.
void Baby::DrawAll() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (Baby* baby : _babies) baby->Draw();
}

// What DrawAll does to the game's state, without drawing.
void Baby::PoseAll() {
    for (Baby* baby : _babies) baby->Pose();
}
