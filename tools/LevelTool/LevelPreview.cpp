#include "LevelPreview.h"

#include <iterator>

#include "Engine/Image.h"
#include "Game/Baby.h"
#include "Game/Mine.h"
#include "Game/Turret.h"
#include "NearMiss.h"

namespace {

using Rgb = PreviewImage::Rgb;

constexpr Rgb BLOCKED = {230, 30, 30};
constexpr Rgb SPIN = {0, 220, 255};
constexpr Rgb UNREACHED = {255, 140, 0};
constexpr Rgb STRAY = {255, 255, 255};
constexpr Rgb BABY = {0, 255, 0};
constexpr Rgb MINE = {255, 40, 40};
constexpr Rgb TURRET = {255, 255, 0};
constexpr Rgb SHADE = {0, 0, 0};
constexpr Rgb REGIONS[] = {{60, 110, 255}, {200, 70, 255}, {255, 90, 170}, {40, 200, 160}, {150, 255, 60}};
constexpr float CELL_ALPHA = 0.45f;
constexpr float REACH_ALPHA = 0.25f;
constexpr float SHADE_ALPHA = 0.5f;
constexpr float RING = 0.75f;  // half a ring's width
constexpr float STRAY_RADIUS = 4.0f;
constexpr float SPAWN_DOT = 3.0f;

// Where the game draws the picture: a square of the image's height centred on (512, 256).
constexpr int PICTURE_CENTER_X = 512;
constexpr int PICTURE_CENTER_Y = 256;

void Ring(PreviewImage& image, const Vec2& center, float radius, Rgb color) {
    image.Annulus(center, radius - RING, radius + RING, color, 1.0f);
}

}  // namespace

LevelPreview::LevelPreview(const LoadedLevel& level, const Reachability& reach, const UnreachedFloor& unreached)
    : _reach(reach), _unreached(unreached), _image(Level::LEVEL_WIDTH, Level::LEVEL_HEIGHT) {
    _PaintPicture(level.GetName());
    _PaintCells();
    _PaintReach();
    _PaintSpawns(level);
}

const char* LevelPreview::Legend() {
    return "red: blocked; cyan: spin; blue, violet, pink, teal, lime: the ground each group of babies covers, "
           "shaded where none goes; orange: floor no baby gets to; white rings: stray colours; green dots in rings "
           "of 20: babies; red rings of 10: mines; yellow rings: turrets";
}

// The first frame of the picture, over black, as the game's blending shows it.
void LevelPreview::_PaintPicture(const std::string& name) {
    const Image picture("levels\\" + name + "_image.tga");
    const int side = picture._height;
    const int left = PICTURE_CENTER_X - side / 2;
    const int bottom = PICTURE_CENTER_Y - side / 2;
    const int bytes = picture._bitsPerPixel / 8;
    for (int y = 0; y < Level::LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x) {
            const int column = x - left;
            const int row = y - bottom;
            if (column < 0 || row < 0 || column >= side || row >= side || column >= picture._width) continue;
            const std::uint8_t* bgra = picture._pixels + (static_cast<std::size_t>(row) * picture._width + column) * bytes;
            _image.Blend(x, y, Rgb{bgra[2], bgra[1], bgra[0]}, bytes == 4 ? bgra[3] / 255.0f : 1.0f);
        }
    }
}

void LevelPreview::_PaintCells() {
    for (int y = 0; y < Level::LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x) {
            const int cell = theLevel.GetCell(x, y);
            if (cell == Level::CELL_BLOCKED) _image.Blend(x, y, BLOCKED, CELL_ALPHA);
            if (cell == Level::CELL_SPIN) _image.Blend(x, y, SPIN, CELL_ALPHA);
            if (NearMiss::IsStray(theLevel.GetDataColor(x, y))) {
                Ring(_image, Vec2(x + 0.5f, y + 0.5f), STRAY_RADIUS, STRAY);
            }
        }
    }
}

void LevelPreview::_PaintReach() {
    for (int row = 0; row < Reachability::ROWS; ++row) {
        for (int column = 0; column < Reachability::COLUMNS; ++column) {
            bool isCovered = false;
            for (int region = 0; region < _reach.GetRegionCount(); ++region) {
                if (!_reach.IsCovered(region, column, row)) continue;
                _FillCell(column, row, REGIONS[region % std::size(REGIONS)], REACH_ALPHA);
                isCovered = true;
            }
            if (!isCovered) _FillCell(column, row, SHADE, SHADE_ALPHA);
            if (_unreached.Contains(column, row)) _FillCell(column, row, UNREACHED, CELL_ALPHA);
        }
    }
}

void LevelPreview::_FillCell(int column, int row, PreviewImage::Rgb color, float alpha) {
    constexpr int CELL = Reachability::CELL;
    for (int y = row * CELL; y < (row + 1) * CELL; ++y) {
        for (int x = column * CELL; x < (column + 1) * CELL; ++x) _image.Blend(x, y, color, alpha);
    }
}

void LevelPreview::_PaintSpawns(const LoadedLevel& level) {
    for (const Vec2& mine : level.GetMines()) Ring(_image, mine, Mine::MINE_RADIUS, MINE);
    for (const Vec2& turret : level.GetTurrets()) Ring(_image, turret, Turret::RING_RADIUS, TURRET);
    for (const Vec2& baby : level.GetBabies()) {
        _image.Annulus(baby, 0.0f, SPAWN_DOT, BABY, 1.0f);
        Ring(_image, baby, Baby::CONTACT_RADIUS, BABY);
    }
}
