#include "RoomArt.h"

#include <cmath>

#include "Angles.h"
#include "LevelLayout.h"

namespace {

const Rgba WALL = Rgba::FromHex(0x93B9AA);
const Rgba SKIRTING = Rgba::FromHex(0xF6F1E7);
const Rgba GLASS = Rgba::FromHex(0xA9D8F0);
const Rgba FRAME = Rgba::FromHex(0xFFFFFF);
const Rgba DOOR = Rgba::FromHex(0xB8825A);
const Rgba KNOB = Rgba::FromHex(0xE8C36A);
const Rgba BOARD = Rgba::FromHex(0x6E4B36);
const Rgba SOCKET = Rgba::FromHex(0x3A2A30);
const Rgba STEEL = Rgba::FromHex(0x4A5058);
const Rgba HAZARD_YELLOW = Rgba::FromHex(0xF2C230);
const Rgba HAZARD_BLACK = Rgba::FromHex(0x2A2A2A);
const Rgba BOLT = Rgba::FromHex(0x9AA2AC);

constexpr double SKIRTING_WIDTH = 4.0;
constexpr double WINDOWS_LEFT[] = {250.0, 660.0};
constexpr double WINDOW_WIDTH = 110.0;
constexpr double DOOR_LEFT = 640.0;
constexpr double DOOR_WIDTH = 100.0;
constexpr double HEART_FIRST_X = LevelLayout::HEART_FIRST_X;
constexpr double HEART_SPACING = LevelLayout::HEART_SPACING;
constexpr double HEART_ROW_PITCH = LevelLayout::HEART_ROW_PITCH;
constexpr double HEARTS_TOP = LevelLayout::HEIGHT;
constexpr int HEARTS_PER_BABY = 2;
constexpr double SOCKET_HALF = 14.0;
constexpr double HAZARD_STRIPE = 4.0;
constexpr int PAD_BOLTS = 6;

}  // namespace

void RoomArt::PaintWall(Painter& painter, const Shape& footprint) const {
    painter.Fill(footprint, _materials.Fabric(WALL));
}

void RoomArt::PaintWallTrim(Painter& painter, const Shape& roomInside) const {
    painter.Outline(roomInside.Grown(SKIRTING_WIDTH), SKIRTING_WIDTH, SKIRTING);
    painter.Outline(roomInside.Grown(SKIRTING_WIDTH + 1.0), 1.0, WALL.Shaded(0.7));
    painter.Outline(roomInside.Grown(0.5), 1.0, SKIRTING.Shaded(0.8));
    const double top = roomInside.GetCenter().y + roomInside.GetHalfSize().y;
    const double bottom = roomInside.GetCenter().y - roomInside.GetHalfSize().y;
    for (const double left : WINDOWS_LEFT) _PaintWindow(painter, left, left + WINDOW_WIDTH, top + 6.0, top + 18.0);
    _PaintDoor(painter, DOOR_LEFT, DOOR_LEFT + DOOR_WIDTH, bottom - SKIRTING_WIDTH);
}

void RoomArt::_PaintWindow(Painter& painter, double left, double right, double bottom, double top) const {
    const Shape frame = Shape::Rect(left, bottom, right, top, 1.0);
    painter.Fill(frame, FRAME);
    const Shape glass = frame.Grown(-2.0);
    painter.Fill(glass, Materials::Lit(GLASS, glass.GetCenter(), (right - left) * 0.5, 0.25));
    painter.Fill(Shape::Rect((left + right) * 0.5 - 1.0, bottom, (left + right) * 0.5 + 1.0, top), FRAME);
    painter.Outline(frame, 0.8, FRAME.Shaded(0.7));
}

// An open door swings into the wall's thickness; its leaf shows as a plank with a knob.
void RoomArt::_PaintDoor(Painter& painter, double left, double right, double top) const {
    const Shape opening = Shape::Rect(left, 2.0, right, top);
    painter.Fill(opening, DOOR.Shaded(0.55));
    const Shape leaf = Shape::Rect(left + 3.0, 5.0, right - 3.0, top - 4.0, 1.5);
    painter.Fill(leaf, _materials.Wood(DOOR, Placement(leaf.GetCenter(), 0.0)));
    painter.Outline(leaf, 1.0, DOOR.Shaded(0.6));
    painter.Fill(Shape::Circle({right - 12.0, (top + 5.0) * 0.5}, 2.6), KNOB);
}

void RoomArt::PaintHeartBoard(Painter& painter, const Shape& footprint, int rows) const {
    painter.Fill(footprint, _materials.Wood(BOARD, Placement(footprint.GetCenter(), 90.0)));
    painter.Outline(footprint, 2.0, BOARD.Shaded(0.6));
    painter.Outline(footprint.Grown(-2.0), 1.0, BOARD.Shaded(1.3));
    for (int row = 1; row <= rows; ++row) {
        for (int heart = 0; heart < HEARTS_PER_BABY; ++heart) {
            const Point at{HEART_FIRST_X + HEART_SPACING * heart, HEARTS_TOP - HEART_ROW_PITCH * row};
            const Shape socket = Shape::Box(at, SOCKET_HALF, SOCKET_HALF, 5.0);
            painter.Fill(socket, SOCKET);
            painter.Shadow(socket.Moved({1.0, -1.5}).Grown(-1.0), 2.5, 0.6);
            painter.Outline(socket.Grown(1.0), 1.0, BOARD.Shaded(1.35));
        }
        const Point left{HEART_FIRST_X + SOCKET_HALF + 4.0, HEARTS_TOP - HEART_ROW_PITCH * row};
        painter.Fill(Shape::Capsule(left, left + Point{HEART_SPACING - 2.0 * SOCKET_HALF - 8.0, 0.0}, 1.0),
                     BOARD.Shaded(0.7));
    }
}

void RoomArt::PaintTurretPad(Painter& painter, const Shape& footprint) const {
    const Point center = footprint.GetCenter();
    const double radius = footprint.GetHalfSize().x;
    painter.Fill(footprint, [center](Point point) {
        const double stripe = std::floor((point.x - center.x + point.y - center.y) / HAZARD_STRIPE);
        return std::fmod(std::fabs(stripe), 2.0) < 1.0 ? HAZARD_YELLOW : HAZARD_BLACK;
    });
    painter.Outline(footprint, 1.0, HAZARD_BLACK);
    const Shape plate = Shape::Circle(center, radius - 3.5);
    painter.Fill(plate, Materials::Lit(STEEL, center, radius, 0.3));
    for (int bolt = 0; bolt < PAD_BOLTS; ++bolt) {
        const double angle = 2.0 * Angles::PI * bolt / PAD_BOLTS;
        painter.Fill(Shape::Circle(center + Point{std::cos(angle), std::sin(angle)} * (radius - 6.0), 1.0), BOLT);
    }
}
