#include "IconArt.h"

#include <cmath>
#include <vector>

#include "Angles.h"
#include "Materials.h"

namespace {

const Rgba HEART_RED = Rgba::FromHex(0xE8323F);
const Rgba HEART_EDGE = Rgba::FromHex(0x7A0E1A);
const Rgba SHINE = Rgba::FromHex(0xFFFFFF).WithAlpha(0.75);
const Rgba MINE_BODY = Rgba::FromHex(0x58624C);
const Rgba MINE_EDGE = Rgba::FromHex(0x1F241B);
const Rgba MINE_BOLT = Rgba::FromHex(0xC4CAB4);
const Rgba HAZARD_YELLOW = Rgba::FromHex(0xF2C230);
const Rgba FUSE_LIT = Rgba::FromHex(0xFF3B2F);
const Rgba FUSE_DARK = Rgba::FromHex(0x8E2019);
const Rgba STEEL = Rgba::FromHex(0x66707C);
const Rgba STEEL_DARK = Rgba::FromHex(0x363C44);
const Rgba STEEL_EDGE = Rgba::FromHex(0x1C2026);

constexpr int HEART_CORNERS = 96;
constexpr int MINE_BOLTS = 6;
constexpr int HAZARD_DASHES = 8;
constexpr int TURRET_BOLTS = 8;
constexpr double TURRET_RADIUS = 16.5;

}  // namespace

// The classic heart curve, 32 units wide at scale 1, centred on its middle.
Shape IconArt::_HeartShape(Point center, double scale) {
    std::vector<Point> corners;
    for (int i = 0; i < HEART_CORNERS; ++i) {
        const double t = 2.0 * Angles::PI * i / HEART_CORNERS;
        const double x = 16.0 * std::pow(std::sin(t), 3.0);
        const double y = 13.0 * std::cos(t) - 5.0 * std::cos(2.0 * t) - 2.0 * std::cos(3.0 * t) - std::cos(4.0 * t);
        corners.push_back(center + Point{x, y + 2.5} * scale);
    }
    return Shape::Polygon(corners);
}

Shape IconArt::_Regular(Point center, int corners, double radius, double angleDegrees) {
    std::vector<Point> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = (angleDegrees + 360.0 * i / corners) * Angles::PI / 180.0;
        points.push_back(center + Point{std::cos(angle), std::sin(angle)} * radius);
    }
    return Shape::Polygon(points);
}

void IconArt::PaintHeart(Painter& painter) const {
    const Point center{32.0, 32.0};
    const Shape heart = _HeartShape(center, 1.72);
    painter.Shadow(heart.Moved({1.5, -2.0}), 2.0, 0.35);
    painter.Fill(heart, HEART_EDGE);
    const Shape inside = heart.Grown(-2.8);
    painter.Fill(inside, Materials::Lit(HEART_RED, center, 26.0, 0.35));
    painter.Fill(Shape::Ellipse(center + Point{-11.0, 10.0}, 7.0, 4.0, 40.0), SHINE);
    painter.Fill(Shape::Circle(center + Point{-3.5, 15.0}, 2.0), SHINE);
}

void IconArt::PaintMine(Painter& painter, int frame) const {
    PaintMineAt(painter, {16.0, 16.0}, 1.0, frame < MINE_FRAMES / 2);
}

void IconArt::PaintMineAt(Painter& painter, Point center, double scale, bool isLit) const {
    const Shape body = Shape::Circle(center, 12.5 * scale);
    painter.Shadow(body.Moved(Point{1.0, -1.2} * scale), 1.8 * scale, 0.45);
    painter.Fill(body, MINE_EDGE);
    painter.Fill(body.Grown(-1.5 * scale), Materials::Lit(MINE_BODY, center, 12.0 * scale, 0.35));
    for (int i = 0; i < HAZARD_DASHES; ++i) {
        const double angle = 360.0 * i / HAZARD_DASHES;
        const Placement dash(center, angle);
        painter.Fill(dash.Box(Point{0.0, 8.0} * scale, 1.6 * scale, 1.0 * scale, 0.4 * scale), HAZARD_YELLOW);
    }
    for (int i = 0; i < MINE_BOLTS; ++i) {
        const double angle = 2.0 * Angles::PI * (i + 0.5) / MINE_BOLTS;
        const Point bolt = center + Point{std::cos(angle), std::sin(angle)} * (10.3 * scale);
        painter.Fill(Shape::Circle(bolt, 1.0 * scale), MINE_BOLT);
    }
    if (isLit) painter.Fill(Shape::Circle(center, 6.5 * scale), FUSE_LIT.WithAlpha(0.45));
    const Shape fuse = Shape::Circle(center, 4.2 * scale);
    painter.Fill(fuse, MINE_EDGE);
    painter.Fill(fuse.Grown(-1.0 * scale), Materials::Lit(isLit ? FUSE_LIT : FUSE_DARK, center, 4.0 * scale, 0.4));
    painter.Fill(Shape::Circle(center + Point{-1.2, 1.2} * scale, 1.0 * scale), SHINE.WithAlpha(isLit ? 0.9 : 0.4));
}

void IconArt::PaintTurretBase(Painter& painter) const {
    const Point center{32.0, 32.0};
    const Shape plate = _Regular(center, 8, TURRET_RADIUS, 22.5);
    painter.Shadow(plate.Moved({0.8, -1.0}), 1.0, 0.4);
    painter.Fill(plate, STEEL_EDGE);
    painter.Fill(plate.Grown(-1.5), Materials::Lit(STEEL, center, TURRET_RADIUS, 0.4));
    for (int i = 0; i < TURRET_BOLTS; ++i) {
        const double angle = 2.0 * Angles::PI * i / TURRET_BOLTS;
        painter.Fill(Shape::Circle(center + Point{std::cos(angle), std::sin(angle)} * 12.5, 1.3), STEEL_DARK);
        painter.Fill(Shape::Circle(center + Point{std::cos(angle) - 0.3, std::sin(angle) + 0.3} * 12.5, 0.6),
                     STEEL.Shaded(1.5));
    }
    const Shape turntable = Shape::Circle(center, 9.5);
    painter.Fill(turntable, STEEL_EDGE);
    painter.Fill(turntable.Grown(-1.2), Materials::Lit(STEEL_DARK, center, 9.5, 0.5));
    painter.Fill(Shape::Box(center + Point{0.0, 4.0}, 3.0, 5.0, 1.0), STEEL_EDGE);
    painter.Fill(Shape::Circle(center, 3.5), HAZARD_YELLOW);
    painter.Fill(Shape::Circle(center, 1.5), STEEL_EDGE);
}
