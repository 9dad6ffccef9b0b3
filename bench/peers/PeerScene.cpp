#include "PeerScene.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr unsigned MINE_COLOR = 0xFF0000;
constexpr unsigned BABY_COLOR = 0x00FF00;
constexpr unsigned TURRET_COLOR = 0xFFFF00;
// The level's cells are the data image's top 768 rows.
constexpr int LEVEL_PICTURE_SIDE = 1024;
constexpr double MINE_DEGREES_PER_SECOND = 300.0;
constexpr double MINE_FRAMES_PER_SECOND = 5.0;
constexpr double STRIP_FRAMES_PER_SECOND = 10.0;
constexpr float BABY_SIDE = 32.0f;    // half of the 64-pixel frames
constexpr float HEART_SIDE = 32.0f;
constexpr float TURRET_SIDE = 32.0f;
constexpr float MINE_SIDE = 32.0f;    // the mine's frames at their own size
constexpr float HEART_X = 32.0f, HEART_SPACING = 64.0f, HEART_ROW_PITCH = 32.0f;
constexpr int HEARTS = 2;
// A baby created by the level scan heads at 0 degrees and is drawn turned by heading - 90
// counter-clockwise in the game's y-up world: 90 degrees clockwise on the screen.
constexpr float BABY_CLOCKWISE_DEGREES = 90.0f;

}  // namespace

const char* const PeerScene::FILES[PICTURE_COUNT] = {"levels/Level02_image.tga", "Misc/landmine01.tga",
                                                     "Baby/Baby_crawl.tga", "Baby/RedBabyHeartIcon.tga",
                                                     "Turret/turret_base.tga"};
const char* const PeerScene::DATA_FILE = "levels/Level02_data.tga";

// Scanned as the game scans it: bottom row of the level first, left to right; a world cell
// (x, y) is drawn at screen row HEIGHT - y.
PeerScene::PeerScene(const std::function<unsigned(int x, int row)>& rgbAt) {
    for (int y = 0; y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH; ++x) {
            const unsigned rgb = rgbAt(x, HEIGHT - 1 - y);
            const Point place{static_cast<float>(x), static_cast<float>(HEIGHT - y)};
            if (rgb == MINE_COLOR) _mines.push_back(place);
            if (rgb == BABY_COLOR) _babies.push_back(place);
            if (rgb == TURRET_COLOR) _rings.push_back(place);
        }
    }
    _sprites.reserve(1 + _mines.size() + _babies.size() * (1 + HEARTS) + _rings.size());
}

const std::vector<PeerScene::Sprite>& PeerScene::SpritesAt(double seconds) {
    const auto frameAt = [&](Picture picture, double rate) {
        return static_cast<int>(std::floor(seconds * rate)) % _frameCounts[picture];
    };
    _sprites.clear();
    // The picture's top row at the top of the screen; its bottom 256 rows lie below it.
    _sprites.push_back({LEVEL, WIDTH / 2.0f, LEVEL_PICTURE_SIDE / 2.0f, LEVEL_PICTURE_SIDE, 0, 0.0f});
    const float mineDegrees = -static_cast<float>(std::fmod(seconds * MINE_DEGREES_PER_SECOND, 360.0));
    const int mineFrame = frameAt(MINE, MINE_FRAMES_PER_SECOND);
    for (const Point& mine : _mines) _sprites.push_back({MINE, mine.x, mine.y, MINE_SIDE, mineFrame, mineDegrees});
    const int crawlFrame = frameAt(CRAWL, STRIP_FRAMES_PER_SECOND);
    for (std::size_t i = 0; i < _babies.size(); ++i) {
        _sprites.push_back({CRAWL, _babies[i].x, _babies[i].y, BABY_SIDE, crawlFrame, BABY_CLOCKWISE_DEGREES});
        for (int heart = 0; heart < HEARTS; ++heart) {
            const float x = HEART_X + HEART_SPACING * heart;
            _sprites.push_back({HEART, x, HEART_ROW_PITCH * (i + 1), HEART_SIDE, 0, 0.0f});
        }
    }
    for (const Point& turret : _rings) _sprites.push_back({TURRET, turret.x, turret.y, TURRET_SIDE, 0, 0.0f});
    return _sprites;
}

// Smoothed as the game smooths its readout.
int PeerScene::FormatReadout(char* text, int size, double frameSeconds) {
    _framesPerSecond = _framesPerSecond * 0.9 + 0.1 / std::fmax(frameSeconds, 0.001);
    return std::snprintf(text, size, "%.0f fps", _framesPerSecond);
}
