#include "Level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Baby.h"
#include "Engine/AssertionFailure.h"
#include "Engine/Image.h"
#include "Engine/Platform/Platform.h"
#include "Mine.h"
#include "SpriteStrip.h"
#include "Turret.h"

Level theLevel;

namespace {

constexpr float PICTURE_FRAMES_PER_SECOND = 10.0f;
const Vec2 PICTURE_CENTER(512.0f, 256.0f);
constexpr int DATA_SIZE = 1024;            // the data image is at least this wide and tall
constexpr int FIRST_DATA_ROW = 256;        // stored row of the level's bottom row
constexpr int DATA_BYTES_PER_PIXEL = 3;
constexpr std::size_t SPAWN_LINE_SIZE = 256;

int CellCodeOf(std::uint32_t color) {
    switch (color) {
        case Level::SPIN_COLOR: return Level::CELL_SPIN;
        case Level::MARKED_COLOR: return Level::CELL_MARKED;
        case Level::BLOCKED_COLOR:
        case Level::TURRET_COLOR:
        case Level::WALL_COLOR: return Level::CELL_BLOCKED;
        default: return Level::CELL_OPEN;
    }
}

void ReportSpawn(const char* format, int x, int y) {
    char line[SPAWN_LINE_SIZE];
    FormatString(line, sizeof(line), format, x, y);
    Platform::OutputDebugStringA(line);
}

std::uint32_t ColorOf(const std::uint8_t* bgr) {
    return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 | bgr[0];
}

bool IsInsideGrid(int x, int y) { return x >= 0 && x < Level::LEVEL_WIDTH && y >= 0 && y < Level::LEVEL_HEIGHT; }

}  // namespace

Level::Level() = default;

Level::~Level() = default;

void Level::Load(const std::string& name) {
    _name = name;
    _cells = std::make_unique<std::int32_t[]>(static_cast<std::size_t>(LEVEL_WIDTH) * LEVEL_HEIGHT);
    _picture = std::make_unique<SpriteStrip>("levels\\" + name + "_image.tga", PICTURE_FRAMES_PER_SECOND);
    _dataImage = std::make_unique<Image>("levels\\" + name + "_data.tga");
    _CheckDataImage();
    _Scan();
    _CountBlocked();
}

// The scan reads three bytes a pixel up to stored row 1023 and column 1023.
void Level::_CheckDataImage() const {
    const Image& image = *_dataImage;
    if (image._bitsPerPixel != 24) {
        FATAL_ERROR("Level::Load : %s has %d bits per pixel; a level's data image must have 24\n",
                    image._fileName.c_str(), static_cast<int>(image._bitsPerPixel));
    }
    if (image._width < DATA_SIZE || image._height < DATA_SIZE) {
        FATAL_ERROR("Level::Load : %s is %d x %d pixels; a level's data image must be at least %d x %d\n",
                    image._fileName.c_str(), static_cast<int>(image._width), static_cast<int>(image._height),
                    DATA_SIZE, DATA_SIZE);
    }
}

// Along each stored row's bytes: the scan reads three quarters of a million pixels.
void Level::_Scan() {
    for (int y = 0; y < LEVEL_HEIGHT; ++y) {
        const std::uint8_t* bgr = _DataPixel(0, y);
        std::int32_t* cells = &_cells[static_cast<std::size_t>(y) * LEVEL_WIDTH];
        for (int x = 0; x < LEVEL_WIDTH; ++x, bgr += DATA_BYTES_PER_PIXEL) {
            const std::uint32_t color = ColorOf(bgr);
            _SpawnFor(x, y, color);
            cells[x] = CellCodeOf(color);
        }
    }
}

// Row by row over the grid, each sum written once: start-up waits for the table's megabytes.
void Level::_CountBlocked() {
    constexpr std::size_t STRIDE = LEVEL_WIDTH + 1;
    _blockedBelow.reset(new std::int32_t[STRIDE * (LEVEL_HEIGHT + 1)]);
    std::fill_n(_blockedBelow.get(), STRIDE, 0);
    for (std::size_t y = 1; y <= LEVEL_HEIGHT; ++y) {
        const std::int32_t* cells = &_cells[(y - 1) * LEVEL_WIDTH];
        const std::int32_t* below = &_blockedBelow[(y - 1) * STRIDE];
        std::int32_t* row = &_blockedBelow[y * STRIDE];
        std::int32_t inRow = 0;
        row[0] = 0;
        for (std::size_t x = 1; x <= LEVEL_WIDTH; ++x) {
            inRow += cells[x - 1] == CELL_BLOCKED ? 1 : 0;
            row[x] = below[x] + inRow;
        }
    }
}

std::int32_t Level::_BlockedBelow(int x, int y) const {
    return _blockedBelow[static_cast<std::size_t>(y) * (LEVEL_WIDTH + 1) + x];
}

std::uint32_t Level::GetDataColor(int x, int y) const { return ColorOf(_DataPixel(x, y)); }

// Cell (x, y) is the pixel in column x of stored row y + 256 of the loaded data image.
const std::uint8_t* Level::_DataPixel(int x, int y) const {
    const Image& image = *_dataImage;
    return image._pixels + (static_cast<std::size_t>(y + FIRST_DATA_ROW) * image._width + x) * DATA_BYTES_PER_PIXEL;
}

// What starts on the pixel, spawned in the order of the scan.
void Level::_SpawnFor(int x, int y, std::uint32_t color) {
    if (color == MINE_COLOR) SpawnMine(x, y);
    if (color == BABY_COLOR) SpawnBaby(x, y);
    if (color == TURRET_COLOR) SpawnTurret(x, y);
}

void Level::SpawnBaby(int x, int y) {
    new Baby(Vec2(static_cast<float>(x), static_cast<float>(y)), 0.0f);
    ReportSpawn("Spawned baby at (%d,%d)\n", x, y);
}

void Level::SpawnMine(int x, int y) {
    new Mine(Vec2(static_cast<float>(x), static_cast<float>(y)));
    ReportSpawn("Spawned mine at (%d,%d)\n", x, y);
}

void Level::SpawnTurret(int x, int y) { new Turret(Vec2(static_cast<float>(x), static_cast<float>(y))); }

void Level::Draw() {
    if (_picture) _picture->Draw(PICTURE_CENTER, Vec2::ONE, 0.0f, SpriteStrip::KEEP_FRAME);
}

// Outside the grid counts as blocked, so nothing ever plans a way out of the level.
int Level::GetCell(int x, int y) const {
    if (!_cells || !IsInsideGrid(x, y)) return CELL_BLOCKED;
    return _cells[static_cast<std::size_t>(y) * LEVEL_WIDTH + x];
}

int Level::GetCellAt(const Vec2& point) const { return GetCell(static_cast<int>(point.x), static_cast<int>(point.y)); }

bool Level::IsBlocked(int x, int y) const { return GetCell(x, y) == CELL_BLOCKED; }

// A 2r x 2r square reaching r cells below and left of (x, y) but r - 1 above and right;
// column 0 and row 0 count as outside. With r <= 0 no cell is examined.
bool Level::IsAreaClear(int x, int y, float radius) const {
    const int r = static_cast<int>(radius);
    if (r <= 0) return true;
    if (x - r <= 0 || x + r > LEVEL_WIDTH || y - r <= 0 || y + r > LEVEL_HEIGHT || !_blockedBelow) return false;
    return _BlockedBelow(x + r, y + r) - _BlockedBelow(x - r, y + r) - _BlockedBelow(x + r, y - r) +
               _BlockedBelow(x - r, y - r) ==
           0;
}

// Steps of exactly `step` along the line; the start is never tested, and the path counts as
// clear once a step lands within `step` of the destination on both axes. Each step moves
// `step` along the line, so the loop ends by arriving or by leaving the level.
bool Level::IsPathClear(const Vec2& from, const Vec2& to, float step) const {
    if (!(step > 0.0f)) return false;  // could never arrive
    Vec2 current = from;
    Vec2 direction = to - from;
    const float length = direction.Length();
    if (length != 0.0f) direction = direction * (1.0f / length);
    direction = direction * step;
    for (;;) {
        if (std::fabs(current.x - to.x) < step && std::fabs(current.y - to.y) < step) return true;
        current = current + direction;
        if (!IsAreaClear(static_cast<int>(current.x), static_cast<int>(current.y), step)) return false;
    }
}
