#include "FloorArt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t FLOOR_SEED = 0x0A4B1E5u;
constexpr double BOARD_WIDTH = 32.0;
constexpr double BOARD_LENGTH = 288.0;
constexpr double SEAM_WIDTH = 1.2;
constexpr double TONE_SPREAD = 0.12;
constexpr double GRAIN_DEPTH = 0.10;
const Rgba OAK = Rgba::FromHex(0xDDB88C);
const Rgba SEAM = Rgba::FromHex(0x8A6440);

// How much of a seam line at distance `distance` darkens the pixel.
double SeamStrength(double distance) { return std::clamp(SEAM_WIDTH * 0.5 + 0.5 - distance, 0.0, 1.0); }

}  // namespace

FloorArt::FloorArt() : _noise(FLOOR_SEED) {}

void FloorArt::Paint(Painter& painter, const Shape& area) const {
    painter.Fill(area, [this](Point point) { return _ColorAt(point); });
}

Rgba FloorArt::_ColorAt(Point point) const {
    const double row = std::floor(point.y / BOARD_WIDTH);
    const double shift = _noise.Hash(static_cast<std::int64_t>(row), 7) * BOARD_LENGTH;
    const double along = point.x + shift;
    const double board = std::floor(along / BOARD_LENGTH);
    const double tone = 1.0 - TONE_SPREAD * 0.5 +
                        TONE_SPREAD * _noise.Hash(static_cast<std::int64_t>(row), static_cast<std::int64_t>(board));
    const double grain = _noise.Fractal(along / 90.0 + board * 13.0, point.y / 2.5, 3);
    const double streak = 0.5 + 0.5 * std::sin(point.y * 0.9 + grain * 9.0);
    Rgba color = OAK.Shaded(tone * (1.0 - GRAIN_DEPTH * streak * grain));
    const double acrossSeam = std::fabs(point.y - row * BOARD_WIDTH);
    const double toSeam = std::min(acrossSeam, BOARD_WIDTH - acrossSeam);
    const double toJoint = std::fabs(along - (board + (along - board * BOARD_LENGTH > BOARD_LENGTH * 0.5 ? 1.0 : 0.0)) *
                                                  BOARD_LENGTH);
    return color.Mixed(SEAM, 0.7 * std::max(SeamStrength(toSeam), SeamStrength(toJoint)));
}
