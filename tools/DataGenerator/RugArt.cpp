#include "RugArt.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "Lcg.h"
#include "Placement.h"

namespace {

const Rgba NIGHT = Rgba::FromHex(0x223262);
const Rgba NIGHT_SWIRL = Rgba::FromHex(0x34498A);
const Rgba NIGHT_BORDER = Rgba::FromHex(0x182447);
const Rgba STAR = Rgba::FromHex(0xF7D96A);
const Rgba PINWHEEL_COLORS[] = {Rgba::FromHex(0xF4A6B8), Rgba::FromHex(0xF8DE82), Rgba::FromHex(0xA6DBC3),
                                Rgba::FromHex(0x9DC6EE)};
const Rgba CREAM = Rgba::FromHex(0xFFF5E3);
const Rgba RAINBOW_COLORS[] = {Rgba::FromHex(0xE25B5B), Rgba::FromHex(0xF29A4A), Rgba::FromHex(0xF3D25A),
                               Rgba::FromHex(0x78C27A), Rgba::FromHex(0x5FA3DB), Rgba::FromHex(0x9B7CC9)};

constexpr std::uint32_t STARS_SEED = 77;
constexpr int STAR_COUNT = 22;
// "YOU LOSE!" is written just right of the rug's middle: stars keep clear of it.
constexpr double STARLESS_MIDDLE = 52.0;
constexpr double SWIRL_ARMS = 3.0;
constexpr double SWIRL_TWIST = 0.075;
constexpr double PINWHEEL_BLADES = 8.0;
constexpr double PINWHEEL_TWIST = 1.6;
constexpr double BORDER = 7.0;
constexpr double RAINBOW_BAND = 7.0;
constexpr int RAINBOW_BANDS = 6;
constexpr double STITCH_PITCH = 5.0;

// Smoothly from 0 to 1 as `value` passes `edge`, over one pixel.
double Step(double value, double edge) { return std::clamp(value - edge + 0.5, 0.0, 1.0); }

}  // namespace

void RugArt::Paint(Painter& painter, const Rug& rug) const {
    switch (rug.style) {
        case Rug::Style::STARRY_NIGHT: _PaintStarryNight(painter, rug.shape); break;
        case Rug::Style::PINWHEEL: _PaintPinwheel(painter, rug.shape); break;
        case Rug::Style::RAINBOW: _PaintRainbow(painter, rug.shape); break;
    }
}

// A night sky whose clouds wind round the middle, scattered with stars and a moon.
void RugArt::_PaintStarryNight(Painter& painter, const Shape& shape) const {
    const Point center = shape.GetCenter();
    const auto sky = [center](Point point) {
        const Point offset = point - center;
        const double radius = std::sqrt(offset.x * offset.x + offset.y * offset.y);
        const double swirl = 0.5 + 0.5 * std::sin(SWIRL_ARMS * std::atan2(offset.y, offset.x) + radius * SWIRL_TWIST);
        return NIGHT.Mixed(NIGHT_SWIRL, swirl * swirl * std::min(radius / 40.0, 1.0));
    };
    painter.Fill(shape, NIGHT_BORDER);
    painter.Fill(shape.Grown(-BORDER), sky);
    _PaintStitching(painter, shape.Grown(-2.5), STAR);
    const double outer = shape.GetHalfSize().x - BORDER - 8.0;
    Lcg random(STARS_SEED);
    for (int star = 0; star < STAR_COUNT; ++star) {
        const double angle = random.Between(0.0, 2.0 * Angles::PI);
        const double radius = random.Between(STARLESS_MIDDLE, outer);
        const double size = random.Between(2.5, 6.0);
        const Placement place(center + Point{std::cos(angle), std::sin(angle)} * radius, random.Between(0.0, 72.0));
        painter.Fill(place.Star({0.0, 0.0}, 5, size, size * 0.45, 0.0), STAR);
    }
    const Point moon = center + Point{-outer * 0.55, outer * 0.6};
    painter.Fill(Shape::Circle(moon, 11.0), STAR);
    painter.Fill(Shape::Circle(moon + Point{5.0, 3.5}, 9.5), sky);
}

// Pastel blades that curl as they run out from the middle, in a cream border.
void RugArt::_PaintPinwheel(Painter& painter, const Shape& shape) const {
    const Point center = shape.GetCenter();
    const Point half = shape.GetHalfSize();
    painter.Fill(shape, CREAM);
    painter.Fill(shape.Grown(-BORDER), [center, half](Point point) {
        const double u = (point.x - center.x) / half.x;
        const double v = (point.y - center.y) / half.y;
        const double turn = std::atan2(v, u) + PINWHEEL_TWIST * std::sqrt(u * u + v * v);
        const double blade = std::fmod(turn / (2.0 * Angles::PI) * PINWHEEL_BLADES + PINWHEEL_BLADES, PINWHEEL_BLADES);
        return PINWHEEL_COLORS[static_cast<int>(blade) % 4];
    });
    painter.Fill(Shape::Circle(center, 9.0), CREAM);
    painter.Outline(Shape::Circle(center, 9.0), 1.5, PINWHEEL_COLORS[0].Shaded(0.8));
    _PaintStitching(painter, shape.Grown(-3.0), PINWHEEL_COLORS[3].Shaded(0.8));
}

// Bands of the rainbow following the rug's rounded edge in to a cream middle.
void RugArt::_PaintRainbow(Painter& painter, const Shape& shape) const {
    painter.Fill(shape, [&shape](Point point) {
        const double depth = -shape.DistanceAt(point);
        Rgba color = RAINBOW_COLORS[0];
        for (int band = 1; band < RAINBOW_BANDS; ++band) {
            color = color.Mixed(RAINBOW_COLORS[band], Step(depth, band * RAINBOW_BAND));
        }
        return color.Mixed(CREAM, Step(depth, RAINBOW_BANDS * RAINBOW_BAND));
    });
    _PaintStitching(painter, shape.Grown(-2.5), CREAM);
}

// A dashed seam just inside the edge.
void RugArt::_PaintStitching(Painter& painter, const Shape& shape, const Rgba& color) const {
    painter.Fill(shape.Grown(0.6), [&shape, color](Point point) {
        const double along = std::fabs(std::sin((point.x + point.y) * Angles::PI / STITCH_PITCH));
        const double onLine = 1.0 - std::min(std::fabs(shape.DistanceAt(point)) / 0.8, 1.0);
        return color.WithAlpha(onLine * (along > 0.3 ? 1.0 : 0.0));
    });
}
