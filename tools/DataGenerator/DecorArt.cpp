#include "DecorArt.h"

#include <cmath>

#include "Angles.h"

namespace {

const Rgba TABLE_WOOD = Rgba::FromHex(0xE6C596);
const Rgba PAPER = Rgba::FromHex(0xFFFEF8);
const Rgba SUN = Rgba::FromHex(0xF7C631);
const Rgba GRASS = Rgba::FromHex(0x59B35B);
const Rgba SKY_SCRIBBLE = Rgba::FromHex(0x5BA4E6);
const Rgba CUP = Rgba::FromHex(0x8ED0E8);
const Rgba CRAYONS[] = {Rgba::FromHex(0xE0403A), Rgba::FromHex(0x3D7FD6), Rgba::FromHex(0x4CAF50),
                        Rgba::FromHex(0xF2A33A)};
const Rgba POT = Rgba::FromHex(0xC4683F);
const Rgba SOIL = Rgba::FromHex(0x4B3526);
const Rgba LEAF = Rgba::FromHex(0x4E9A4A);
const Rgba BEANBAG = Rgba::FromHex(0xEE9B3C);
const Rgba HORSE = Rgba::FromHex(0xF4E8D2);
const Rgba HORSE_SPOT = Rgba::FromHex(0xB98A5C);
const Rgba MANE = Rgba::FromHex(0x7A4A2C);
const Rgba SADDLE = Rgba::FromHex(0xD04848);
const Rgba RUNNER = Rgba::FromHex(0x8A5A36);
const Rgba DARK = Rgba::FromHex(0x2B1D14);
const Rgba TUNNEL_FABRICS[] = {Rgba::FromHex(0x4FA3D9), Rgba::FromHex(0xF07A5A), Rgba::FromHex(0x8CC152),
                               Rgba::FromHex(0xF5C243)};
const Rgba HIGHLIGHT = Rgba::FromHex(0xFFFFFF).WithAlpha(0.45);

constexpr int LEAF_COUNT = 9;

}  // namespace

void DecorArt::PaintPlayTable(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const double radius = footprint.GetHalfSize().x;
    painter.Fill(footprint, _materials.Wood(TABLE_WOOD, place));
    painter.Outline(footprint, 4.0, TABLE_WOOD.Shaded(0.85));
    painter.Outline(footprint, 1.2, TABLE_WOOD.Shaded(0.6));
    painter.Outline(footprint.Grown(-4.0), 1.0, TABLE_WOOD.Shaded(1.25));
    _PaintDrawing(painter, place);
    _PaintCrayons(painter, place);
    const Shape cup = place.Circle({radius * 0.45, -radius * 0.4}, 7.5);
    painter.Shadow(cup.Moved({2.0, -2.5}), 2.5, 0.3);
    painter.Fill(cup, Materials::Lit(CUP, cup.GetCenter(), 7.5, 0.3));
    painter.Fill(place.Circle({radius * 0.45 + 2.0, -radius * 0.4 + 2.0}, 2.0), CUP.Shaded(0.7));
}

// A child's picture: a sun over a hill, on a sheet lying askew.
void DecorArt::_PaintDrawing(Painter& painter, const Placement& place) const {
    const Placement sheet(place.ToPicture({-6.0, 8.0}), 12.0);
    const Shape paper = sheet.Box({0.0, 0.0}, 22.0, 16.0, 0.5);
    painter.Shadow(paper.Moved({1.0, -1.5}), 2.0, 0.25);
    painter.Fill(paper, PAPER);
    painter.Fill(sheet.Ellipse({3.0, -9.0}, 17.0, 5.0), GRASS);
    painter.Fill(sheet.Star({-10.0, 7.0}, 8, 7.0, 4.5, 0.0), SUN);
    painter.Fill(sheet.Circle({-10.0, 7.0}, 3.5), SUN.Shaded(0.92));
    painter.Fill(sheet.Capsule({4.0, 9.0}, {17.0, 11.0}, 0.8), SKY_SCRIBBLE);
    painter.Fill(sheet.Capsule({6.0, 5.0}, {16.0, 6.0}, 0.8), SKY_SCRIBBLE);
}

void DecorArt::_PaintCrayons(Painter& painter, const Placement& place) const {
    for (int i = 0; i < 4; ++i) {
        const double angle = -30.0 + 22.0 * i;
        const Placement crayon(place.ToPicture({-20.0 + 9.0 * i, -26.0 + 3.0 * (i % 2)}), angle);
        painter.Shadow(crayon.Capsule({-8.0, -1.0}, {8.0, -1.0}, 2.0), 1.5, 0.3);
        painter.Fill(crayon.Capsule({-8.0, 0.0}, {6.0, 0.0}, 2.0), CRAYONS[i]);
        painter.Fill(crayon.Capsule({6.0, 0.0}, {9.0, 0.0}, 1.0), CRAYONS[i].Shaded(0.8));
        painter.Fill(crayon.Box({-1.0, 0.0}, 4.0, 2.0), PAPER.WithAlpha(0.6));
    }
}

void DecorArt::PaintPlant(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const double radius = footprint.GetHalfSize().x;
    painter.Fill(footprint, Materials::Lit(POT, footprint.GetCenter(), radius, 0.2));
    painter.Fill(place.Circle({0.0, 0.0}, radius - 4.0), SOIL);
    for (int i = 0; i < LEAF_COUNT; ++i) {
        const double angle = 360.0 * i / LEAF_COUNT + (i % 2) * 17.0;
        const double reach = radius - 6.0 - (i % 3) * 2.0;
        const double radians = angle * Angles::PI / 180.0;
        const Point tip{std::cos(radians) * reach * 0.55, std::sin(radians) * reach * 0.55};
        const Shape leaf = place.Ellipse(tip, reach * 0.55, 4.5, angle);
        painter.Shadow(leaf.Moved({1.0, -1.5}), 2.0, 0.3);
        painter.Fill(leaf, Materials::Lit(LEAF.Shaded(0.85 + 0.07 * (i % 3)), leaf.GetCenter(), reach, 0.3));
        painter.Fill(place.Capsule({0.0, 0.0}, tip * 1.6, 0.5), LEAF.Shaded(0.6));
    }
    painter.Outline(footprint, 1.5, POT.Shaded(0.65));
}

void DecorArt::PaintBeanbag(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, _materials.Fabric(BEANBAG));
    painter.Shadow(place.Ellipse({-4.0, -4.0}, half.x * 0.45, half.y * 0.4), 8.0, 0.22);
    painter.Fill(place.Ellipse({-half.x * 0.35, half.y * 0.4}, half.x * 0.35, half.y * 0.2, 20.0), HIGHLIGHT);
    painter.Outline(footprint, 1.5, BEANBAG.Shaded(0.65));
    painter.Fill(place.Capsule({-half.x * 0.9, 0.0}, {half.x * 0.9, 0.0}, 0.6), BEANBAG.Shaded(0.75));
}

void DecorArt::PaintRockingHorse(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    for (const double side : {-1.0, 1.0}) {
        painter.Fill(place.Capsule({-half.x + 6.0, side * 7.5}, {half.x - 6.0, side * 7.5}, 2.6), RUNNER);
    }
    const Shape body = place.Ellipse({-4.0, 0.0}, half.x * 0.62, half.y * 0.52);
    painter.Shadow(body.Moved({1.5, -2.0}), 2.5, 0.3);
    painter.Fill(body, Materials::Lit(HORSE, body.GetCenter(), half.x * 0.6, 0.15));
    painter.Fill(place.Circle({-18.0, 3.0}, 3.0), HORSE_SPOT);
    painter.Fill(place.Circle({-24.0, -4.0}, 2.2), HORSE_SPOT);
    painter.Fill(place.Circle({8.0, -5.0}, 2.5), HORSE_SPOT);
    painter.Fill(place.Box({-4.0, 0.0}, 9.0, half.y * 0.5, 3.0), SADDLE);
    for (const double spread : {-4.0, 0.0, 4.0}) {
        painter.Fill(place.Capsule({-half.x * 0.62, 0.0}, {-half.x + 2.0, spread}, 1.4), MANE);
    }
    _PaintHorseHead(painter, place, half);
    painter.Outline(body, 1.0, HORSE.Shaded(0.7));
}

void DecorArt::_PaintHorseHead(Painter& painter, const Placement& place, Point half) const {
    const Shape head = place.Ellipse({half.x - 14.0, 0.0}, 12.0, 7.0);
    painter.Shadow(head.Moved({1.5, -2.0}), 2.0, 0.3);
    painter.Fill(head, Materials::Lit(HORSE, head.GetCenter(), 12.0, 0.2));
    painter.Outline(head, 1.0, HORSE.Shaded(0.7));
    painter.Fill(place.Capsule({half.x - 30.0, 0.0}, {half.x - 16.0, 0.0}, 2.5), MANE);
    for (const double side : {-1.0, 1.0}) {
        painter.Fill(place.Ellipse({half.x - 20.0, side * 5.0}, 3.0, 1.8), MANE);
        painter.Fill(place.Circle({half.x - 10.0, side * 4.0}, 1.2), DARK);
    }
}

// Padded fabric over hoops, a colour for each rail by where it stands.
void DecorArt::PaintTunnelRail(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    const auto pick = static_cast<std::size_t>(footprint.GetCenter().y / 64.0 + footprint.GetCenter().x / 512.0);
    const Rgba& fabric = TUNNEL_FABRICS[pick % std::size(TUNNEL_FABRICS)];
    painter.Fill(footprint, _materials.Fabric(fabric));
    for (double x = -half.x + 12.0; x < half.x - 4.0; x += 26.0) {
        painter.Fill(place.Box({x, 0.0}, 2.2, half.y - 1.0, 1.0), fabric.Shaded(0.7));
    }
    painter.Outline(footprint, 1.5, fabric.Shaded(0.55));
}
